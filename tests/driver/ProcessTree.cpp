#include "tests/driver/ProcessTree.h"

#include <tlhelp32.h>

#include <algorithm>
#include <optional>

namespace testdriver {

namespace {

constexpr DWORD kFollowRights = SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE;
// Rounds of finding and ending processes that are still starting others while the tree is ended.
constexpr int kEndRounds = 4;

bool HasExited(HANDLE process) {
    return WaitForSingleObject(process, 0) != WAIT_TIMEOUT;
}

FILETIME CreationTimeOf(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    return created;
}

// The ids of the processes in the job, alive now; nothing when the job cannot be asked.
std::optional<std::vector<DWORD>> JobProcessIds(HANDLE job) {
    for (DWORD capacity = 64; capacity <= 65536; capacity *= 4) {
        const std::size_t bytes =
            sizeof(JOBOBJECT_BASIC_PROCESS_ID_LIST) + capacity * sizeof(ULONG_PTR);
        std::vector<unsigned char> buffer(bytes);
        auto* list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(buffer.data());
        const BOOL asked = QueryInformationJobObject(job, JobObjectBasicProcessIdList, list,
                                                     static_cast<DWORD>(bytes), nullptr);
        if (!asked && GetLastError() != ERROR_MORE_DATA)
            return std::nullopt;
        if (asked && list->NumberOfProcessIdsInList == list->NumberOfAssignedProcesses) {
            std::vector<DWORD> ids;
            for (DWORD i = 0; i < list->NumberOfProcessIdsInList; ++i)
                ids.push_back(static_cast<DWORD>(list->ProcessIdList[i]));
            return ids;
        }
    }
    return std::nullopt;
}

} // namespace

JobHandle JobHandle::Create() {
    JobHandle job;
    job.m_job = OwnedHandle(CreateJobObjectA(nullptr, nullptr));
    if (!job)
        return job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits,
                                 sizeof(limits)))
        job.m_job = OwnedHandle();
    return job;
}

ProcessTree::ProcessTree(HANDLE root, DWORD rootId, JobHandle job)
    : m_rootId(rootId), m_job(std::move(job)) {
    HANDLE duplicate = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), root, GetCurrentProcess(), &duplicate, 0, FALSE,
                        DUPLICATE_SAME_ACCESS))
        m_root = OwnedHandle(duplicate);
}

std::vector<DWORD> ProcessTree::LiveDescendants() {
    std::vector<DWORD> live;
    if (m_job) {
        if (const auto ids = JobProcessIds(m_job.Get())) {
            for (DWORD id : *ids) {
                if (id != m_rootId)
                    live.push_back(id);
            }
            return live;
        }
    }
    FollowParentIds();
    for (const auto& [id, handle] : m_found) {
        if (!HasExited(handle.Get()))
            live.push_back(id);
    }
    return live;
}

bool ProcessTree::HasEnded() {
    if (m_root && !HasExited(m_root.Get()))
        return false;
    if (m_job) {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
        if (QueryInformationJobObject(m_job.Get(), JobObjectBasicAccountingInformation, &accounting,
                                      sizeof(accounting), nullptr))
            return accounting.ActiveProcesses == 0;
    }
    FollowParentIds();
    for (const auto& entry : m_found) {
        if (!HasExited(entry.second.Get()))
            return false;
    }
    return true;
}

void ProcessTree::EndAll(UINT exitCode) {
    if (m_job)
        TerminateJobObject(m_job.Get(), exitCode);
    if (m_root && !HasExited(m_root.Get()))
        TerminateProcess(m_root.Get(), exitCode);
    // Parent ids are followed as well, in case a process left the job; a process may start
    // another while it is being ended, so look again until nothing new turns up.
    for (int round = 0; round < kEndRounds; ++round) {
        const std::size_t known = m_found.size();
        FollowParentIds();
        for (const auto& entry : m_found) {
            if (!HasExited(entry.second.Get()))
                TerminateProcess(entry.second.Get(), exitCode);
        }
        if (m_found.size() == known)
            break;
    }
}

void ProcessTree::FollowParentIds() {
    if (!m_root)
        return;
    const std::vector<ProcessEntry> processes = AllProcesses();
    // One snapshot may hold a whole chain (child, grandchild...) in any order: go over it until
    // it gives nothing new.
    for (bool grew = true; grew;) {
        grew = false;
        for (const ProcessEntry& entry : processes) {
            if (entry.id == m_rootId || entry.id == 0 || m_found.count(entry.id))
                continue;
            HANDLE parent = nullptr;
            if (entry.parentId == m_rootId)
                parent = m_root.Get();
            else if (const auto found = m_found.find(entry.parentId); found != m_found.end())
                parent = found->second.Get();
            if (parent && Hold(entry.id, parent))
                grew = true;
        }
    }
}

bool ProcessTree::Hold(DWORD id, HANDLE parent) {
    OwnedHandle process(OpenProcess(kFollowRights, FALSE, id));
    if (!process)
        return false;
    // A process that is older than its supposed parent was started by an earlier process with the
    // same id, not by this one.
    const FILETIME parentCreated = CreationTimeOf(parent);
    const FILETIME created = CreationTimeOf(process.Get());
    if (CompareFileTime(&created, &parentCreated) < 0)
        return false;
    m_found.emplace(id, std::move(process));
    return true;
}

std::vector<ProcessEntry> AllProcesses() {
    std::vector<ProcessEntry> entries;
    const OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return entries;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry))
        entries.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile});
    return entries;
}

std::vector<DWORD> RunningSince(const FILETIME& since, const std::vector<std::string>& names) {
    std::vector<DWORD> ids;
    for (const ProcessEntry& entry : AllProcesses()) {
        const bool named = std::any_of(names.begin(), names.end(), [&](const std::string& name) {
            return lstrcmpiA(entry.name.c_str(), name.c_str()) == 0;
        });
        if (!named)
            continue;
        const OwnedHandle process(
            OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.id));
        if (!process || HasExited(process.Get()))
            continue;
        const FILETIME created = CreationTimeOf(process.Get());
        if (CompareFileTime(&created, &since) >= 0)
            ids.push_back(entry.id);
    }
    return ids;
}

std::string DescribeProcesses(const std::vector<DWORD>& ids) {
    const std::vector<ProcessEntry> processes = AllProcesses();
    std::string described;
    for (DWORD id : ids) {
        std::string name = "?";
        for (const ProcessEntry& entry : processes) {
            if (entry.id == id)
                name = entry.name;
        }
        described += (described.empty() ? "" : ", ") + name + " (" + std::to_string(id) + ")";
    }
    return described;
}

} // namespace testdriver
