#include "tests/driver/Process.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace testdriver {

namespace {

DWORD ToWaitMilliseconds(milliseconds limit) {
    if (limit.count() <= 0)
        return 0;
    // INFINITE is never passed on: every wait of the driver ends.
    const auto capped = std::min<long long>(limit.count(), INFINITE - 1);
    return static_cast<DWORD>(capped);
}

} // namespace

Process Process::Start(const std::string& commandLine, const std::string& workingDirectory) {
    // CreateProcessA may write into the command line, so it gets its own copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessA(
        nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &info);
    if (!started) {
        const DWORD error = GetLastError();
        throw std::runtime_error("CreateProcessA failed with error " + std::to_string(error) +
                                 " for: " + commandLine);
    }
    UniqueHandle thread(info.hThread);
    return Process(UniqueHandle(info.hProcess), info.dwProcessId);
}

Process::Process(Process&& other) noexcept
    : m_process(std::move(other.m_process)), m_id(std::exchange(other.m_id, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Terminate();
        m_process = std::move(other.m_process);
        m_id = std::exchange(other.m_id, 0);
    }
    return *this;
}

Process::~Process() {
    Terminate();
}

bool Process::IsRunning() const {
    return m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(milliseconds limit) const {
    if (!m_process)
        return std::nullopt;
    if (WaitForSingleObject(m_process.Get(), ToWaitMilliseconds(limit)) != WAIT_OBJECT_0)
        return std::nullopt;
    // Only read once the process has ended: a running process also "exits" with STILL_ACTIVE.
    DWORD code = 0;
    if (!GetExitCodeProcess(m_process.Get(), &code))
        return std::nullopt;
    return code;
}

bool Process::Terminate(milliseconds limit) {
    if (!m_process)
        return true;
    if (WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.Get(), kTerminatedExitCode);
    return WaitForSingleObject(m_process.Get(), ToWaitMilliseconds(limit)) == WAIT_OBJECT_0;
}

std::string QuoteArgument(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos)
        return arg;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            quoted.append(backslashes * 2 + 1, '\\');
        else
            quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    // Backslashes before the closing quote are doubled so that it stays a closing quote.
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

std::string WindowsPathOf(const std::string& buildPath) {
    if (buildPath.empty() || buildPath.front() != '/')
        return buildPath;
    std::string path = "Z:" + buildPath;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    char full[MAX_PATH] = "";
    GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    const std::string fullPath = full;
    return fullPath.substr(0, fullPath.find_last_of('\\') + 1);
}

} // namespace testdriver
