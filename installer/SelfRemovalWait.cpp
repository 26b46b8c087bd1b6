#include "SelfRemovalWait.h"

#include "RunLog.h"
#include "framework/AnsweringWait.h"
#include "framework/PathEncoding.h"
#include "framework/UniqueHandle.h"
#include "installer/core/InstallerTexts.h"
#include "support/ProcessList.h"

#include <algorithm>
#include <vector>

namespace {

constexpr DWORD kPollMs = 20;
// How long a process that was told to end may take to be gone.
constexpr DWORD kEndLimitMs = 2000;
// Processes that keep starting others are ended in at most this many rounds.
constexpr int kEndRounds = 10;

ULONGLONG CreationTime(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The processes an ended uninstaller started, and those they started, followed by parent id from
// it down. Each one found is held open, ended or not, so that its id stays its own and the
// processes it started are still recognised as its children.
class OldUninstallation {
public:
    explicit OldUninstallation(HANDLE uninstaller)
        : m_known{{GetProcessId(uninstaller), CreationTime(uninstaller)}} {
        Follow();
    }

    // Adds the processes started since by any process of the old uninstallation.
    void Follow() {
        const std::vector<PROCESSENTRY32> entries = ListProcesses();
        for (std::size_t next = 0; next < m_known.size(); ++next) {
            const Known parent = m_known[next];
            for (const PROCESSENTRY32& candidate : entries) {
                if (candidate.th32ParentProcessID == parent.id && !IsKnown(candidate.th32ProcessID))
                    Hold(candidate.th32ProcessID, parent.created);
            }
        }
    }

    bool AnyRunning() const {
        return std::any_of(m_processes.begin(), m_processes.end(), [](const KernelHandle& process) {
            return WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT;
        });
    }

    // Ends every process of the old uninstallation that still runs, and those they start
    // meanwhile, and waits a moment for each to be gone. How many it ended.
    int EndAll() {
        int ended = 0;
        for (int round = 0; round < kEndRounds && AnyRunning(); ++round) {
            for (const KernelHandle& process : m_processes) {
                if (WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT &&
                    TerminateProcess(process.Get(), 1)) {
                    WaitAnswering(process.Get(), kEndLimitMs);
                    ++ended;
                }
            }
            Follow();
        }
        return ended;
    }

private:
    struct Known {
        DWORD id;
        ULONGLONG created;
    };

    bool IsKnown(DWORD id) const {
        return id == 0 || std::any_of(m_known.begin(), m_known.end(),
                                      [id](const Known& known) { return known.id == id; });
    }

    // A process older than the one its parent id names cannot be its child: that id belonged to
    // another process before (ids are reused).
    void Hold(DWORD id, ULONGLONG parentCreated) {
        constexpr DWORD kFollow = SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION;
        KernelHandle process(OpenProcess(kFollow | PROCESS_TERMINATE, FALSE, id));
        // One that may not be ended is still waited for.
        if (!process)
            process.Reset(OpenProcess(kFollow, FALSE, id));
        if (!process)
            return;
        const ULONGLONG created = CreationTime(process.Get());
        if (created < parentCreated)
            return;
        m_known.push_back({id, created});
        m_processes.push_back(std::move(process));
    }

    std::vector<Known> m_known;
    std::vector<KernelHandle> m_processes;
};

} // namespace

void WaitForSelfRemoval(HANDLE uninstaller, const std::string& uninstallerPath, DWORD limitMs) {
    DWORD exitCode = 1;
    GetExitCodeProcess(uninstaller, &exitCode);
    const bool removedItself = exitCode == 0;
    OldUninstallation old(uninstaller);
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    while ((old.AnyRunning() || (removedItself && FileExists(uninstallerPath))) &&
           GetTickCount64() < deadline) {
        WaitAnswering(nullptr, kPollMs);
        old.Follow();
    }
    if (const int ended = old.EndAll())
        LogStep(installer::kLogLeftoversEnded + std::to_string(ended) + ".");
}
