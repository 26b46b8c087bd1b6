#include "SelfRemovalWait.h"

#include "framework/UniqueHandle.h"

#include <tlhelp32.h>

#include <memory>
#include <vector>

namespace {

constexpr DWORD kPollMs = 20;

using ProcessList = std::vector<std::unique_ptr<KernelHandle>>;

// The processes descended from the process with id root that still run, opened for waiting.
ProcessList Descendants(DWORD root) {
    ProcessList found;
    const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.Get() == INVALID_HANDLE_VALUE)
        return found;
    std::vector<PROCESSENTRY32> entries;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry))
        entries.push_back(entry);
    std::vector<DWORD> family{root};
    for (std::size_t next = 0; next < family.size(); ++next) {
        for (const PROCESSENTRY32& candidate : entries) {
            if (candidate.th32ParentProcessID != family[next] || candidate.th32ProcessID == root ||
                candidate.th32ProcessID == 0)
                continue;
            bool known = false;
            for (DWORD id : family)
                known = known || id == candidate.th32ProcessID;
            if (known)
                continue;
            family.push_back(candidate.th32ProcessID);
            const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, candidate.th32ProcessID);
            if (process != nullptr)
                found.push_back(std::make_unique<KernelHandle>(process));
        }
    }
    return found;
}

bool AnyRunning(const ProcessList& processes) {
    for (const auto& process : processes) {
        if (WaitForSingleObject(process->Get(), 0) == WAIT_TIMEOUT)
            return true;
    }
    return false;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

void WaitForSelfRemoval(HANDLE uninstaller, const std::string& uninstallerPath, DWORD limitMs) {
    DWORD exitCode = 1;
    GetExitCodeProcess(uninstaller, &exitCode);
    const bool removedItself = exitCode == 0;
    const ProcessList leftovers = Descendants(GetProcessId(uninstaller));
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    while (AnyRunning(leftovers) || (removedItself && FileExists(uninstallerPath))) {
        if (GetTickCount64() >= deadline)
            return;
        Sleep(kPollMs);
    }
}
