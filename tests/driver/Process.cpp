#include "tests/driver/Process.h"
#include "tests/driver/Poll.h"

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

// A temporary file that a started program inherits, gone once the last handle to it is closed.
OwnedHandle InheritableTemporaryFile() {
    wchar_t folder[MAX_PATH] = L"";
    wchar_t name[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    if (GetTempFileNameW(folder, L"out", 0, name) == 0)
        throw std::runtime_error("GetTempFileNameW failed with error " +
                                 std::to_string(GetLastError()));
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    OwnedHandle file(CreateFileW(name, GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 &inheritable, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!file)
        throw std::runtime_error("CreateFileW failed with error " + std::to_string(GetLastError()));
    return file;
}

// Wine now and then refuses to start a process with an internal error (1359) that the same call
// a moment later does not give; the tests start hundreds, so a start meeting it is tried again.
template <typename Create> BOOL StartRetryingAnInternalError(Create create) {
    for (int attempt = 1;; ++attempt) {
        if (create())
            return TRUE;
        if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 3)
            return FALSE;
    }
}

std::string ReadFromStart(HANDLE file) {
    std::string content;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read != 0)
        content.append(buffer, read);
    return content;
}

} // namespace

CapturedOutput::CapturedOutput()
    : m_out(InheritableTemporaryFile()), m_err(InheritableTemporaryFile()) {}

std::string CapturedOutput::Out() const {
    return ReadFromStart(m_out.Get());
}

std::string CapturedOutput::Err() const {
    return ReadFromStart(m_err.Get());
}

Process Process::Start(const std::string& commandLine, const std::string& workingDirectory,
                       Following following) {
    // CreateProcessA may write into the command line, so it gets its own copy.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    // Suspended until it is in its job, so that nothing it starts can escape the job.
    const BOOL started = StartRetryingAnInternalError([&] {
        return CreateProcessA(
            nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
            workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &info);
    });
    if (!started) {
        const DWORD error = GetLastError();
        throw std::runtime_error("CreateProcessA failed with error " + std::to_string(error) +
                                 " for: " + commandLine);
    }
    return Adopt(info, following, commandLine);
}

Process Process::Start(const std::wstring& commandLine, CapturedOutput& output,
                       const std::wstring& workingDirectory) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output.m_out.Get();
    startup.hStdError = output.m_err.Get();
    PROCESS_INFORMATION info{};
    if (!StartRetryingAnInternalError([&] {
            return CreateProcessW(
                nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &info);
        })) {
        const DWORD error = GetLastError();
        throw std::runtime_error("CreateProcessW failed with error " + std::to_string(error));
    }
    return Adopt(info, Following::Job, "a command line in UTF-16");
}

Process Process::Adopt(const PROCESS_INFORMATION& info, Following following,
                       const std::string& commandLine) {
    // Wine runs a Unix program outside its own processes and gives no handle to follow it by.
    if (!info.hProcess)
        return Process(OwnedHandle(), 0, ProcessTree(nullptr, 0, JobHandle()));
    OwnedHandle process(info.hProcess);
    OwnedHandle thread(info.hThread);
    JobHandle job = following == Following::Job ? JobHandle::Create() : JobHandle();
    if (job && !AssignProcessToJobObject(job.Get(), process.Get()))
        job = JobHandle();
    if (ResumeThread(thread.Get()) == static_cast<DWORD>(-1)) {
        const DWORD error = GetLastError();
        TerminateProcess(process.Get(), kTerminatedExitCode);
        throw std::runtime_error("ResumeThread failed with error " + std::to_string(error) +
                                 " for: " + commandLine);
    }
    ProcessTree tree(process.Get(), info.dwProcessId, std::move(job));
    return Process(std::move(process), info.dwProcessId, std::move(tree));
}

Process::Process(Process&& other) noexcept
    : m_process(std::move(other.m_process)), m_id(std::exchange(other.m_id, 0)),
      m_tree(std::move(other.m_tree)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        TerminateProcessTree();
        m_process = std::move(other.m_process);
        m_id = std::exchange(other.m_id, 0);
        m_tree = std::move(other.m_tree);
    }
    return *this;
}

Process::~Process() {
    TerminateProcessTree();
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

bool Process::WaitForProcessTree(milliseconds limit) {
    return !m_process || WaitUntil([&] { return m_tree.HasEnded(); }, limit);
}

std::vector<DWORD> Process::StartedProcessIds() {
    return m_tree.LiveDescendants();
}

bool Process::TerminateProcessTree(milliseconds limit) {
    if (!m_process)
        return true;
    m_tree.EndAll(kTerminatedExitCode);
    return WaitForProcessTree(limit);
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
