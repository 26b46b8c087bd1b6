#pragma once
// The processes a started program starts, directly, through the shell or through its own
// children: followed so that a test can wait for all of them and end all of them.

#include "tests/driver/Handles.h"

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testdriver {

// The job object a program runs in when the system provides one; every process it starts joins
// the same job, and closing the job's last handle ends whatever is left in it.
class JobHandle {
public:
    // A new job that ends its processes when closed; empty when the system refuses one.
    static JobHandle Create();

    HANDLE Get() const { return m_job.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_job); }

private:
    OwnedHandle m_job;
};

// The live processes started by one root process and by everything it started. Where the root
// runs in a job, the job knows them all, even those whose starter ended before they were seen;
// otherwise they are followed by parent process id from the root down, and each one found is held
// open so that its id cannot be reused by an unrelated process while it is followed.
class ProcessTree {
public:
    ProcessTree() = default;
    // root is the started program (its handle is duplicated); job is the job it was put in before
    // it ran, or an empty JobHandle to follow parent process ids instead.
    ProcessTree(HANDLE root, DWORD rootId, JobHandle job);
    ProcessTree(const ProcessTree&) = delete;
    ProcessTree& operator=(const ProcessTree&) = delete;
    ProcessTree(ProcessTree&&) noexcept = default;
    ProcessTree& operator=(ProcessTree&&) noexcept = default;
    ~ProcessTree() = default;

    bool FollowsJob() const { return static_cast<bool>(m_job); }

    // The ids of the live processes the root started, directly or not, the root excluded.
    std::vector<DWORD> LiveDescendants();
    // True when the root and every process it started have ended.
    bool HasEnded();
    // Ends every process of the tree, the root included, with exitCode.
    void EndAll(UINT exitCode);

private:
    void FollowParentIds();
    bool Hold(DWORD id, HANDLE parent);

    OwnedHandle m_root;
    DWORD m_rootId = 0;
    JobHandle m_job;
    // Every process found so far, alive or ended, by id; ended ones stay so that their children
    // are still recognised.
    std::map<DWORD, OwnedHandle> m_found;
};

// One process of the system: its id, its starter's id and its program file without a path.
struct ProcessEntry {
    DWORD id;
    DWORD parentId;
    std::string name;
};
// Every process running now.
std::vector<ProcessEntry> AllProcesses();
// The ids of the running processes whose program file is one of names (without a path, in any
// case) and that started at since or later: what a test started, not what ran before it.
std::vector<DWORD> RunningSince(const FILETIME& since, const std::vector<std::string>& names);

// The processes as "name (id)", comma-separated, for a test's failure message; an id that is
// no longer running shows as "? (id)".
std::string DescribeProcesses(const std::vector<DWORD>& ids);

} // namespace testdriver
