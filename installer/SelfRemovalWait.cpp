#include "SelfRemovalWait.h"

#include "framework/UniqueHandle.h"

#include <tlhelp32.h>

#include <memory>
#include <vector>

namespace {

constexpr DWORD kPollMs = 20;

using ProcessList = std::vector<std::unique_ptr<KernelHandle>>;

ULONGLONG CreationTime(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// The processes descended from the process root that still run, opened for waiting. A process
// older than root cannot be its descendant, whatever parent id it names (ids are reused).
ProcessList Descendants(HANDLE rootProcess) {
    const DWORD root = GetProcessId(rootProcess);
    const ULONGLONG rootCreated = CreationTime(rootProcess);
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
            auto process = std::make_unique<KernelHandle>(OpenProcess(
                SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, candidate.th32ProcessID));
            if (!*process || CreationTime(process->Get()) < rootCreated)
                continue;
            family.push_back(candidate.th32ProcessID);
            found.push_back(std::move(process));
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
    const ProcessList leftovers = Descendants(uninstaller);
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    while (AnyRunning(leftovers) || (removedItself && FileExists(uninstallerPath))) {
        if (GetTickCount64() >= deadline)
            return;
        Sleep(kPollMs);
    }
}
