// Following the processes a program starts, checked against treeprobe, which leaves behind
// processes that wait on an event of the test: the tree has ended exactly when they were released.

#include "tests/driver/Files.h"
#include "tests/driver/Process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

using namespace testdriver;

namespace {

const milliseconds kLimit(10000);
// Long enough for a process that is going to end by itself to have done so.
const milliseconds kStillRunning(300);

std::string Probe() {
    return QuoteArgument(WindowsPathOf(ZEMBRA_TREEPROBE_PATH));
}

// An event that held processes wait for, and the one they set once they run.
class Release {
public:
    Release()
        : m_name("ZembraTreeProbe-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(s_counter++)) {
        m_release = OwnedHandle(CreateEventA(nullptr, TRUE, FALSE, m_name.c_str()));
        m_ready = OwnedHandle(CreateEventA(nullptr, TRUE, FALSE, (m_name + ".ready").c_str()));
    }
    const std::string& Name() const { return m_name; }
    bool WaitUntilHeld() const {
        return WaitForSingleObject(m_ready.Get(), static_cast<DWORD>(kLimit.count())) ==
               WAIT_OBJECT_0;
    }
    void Set() const { SetEvent(m_release.Get()); }

private:
    static inline std::atomic<int> s_counter{0};
    std::string m_name;
    OwnedHandle m_release;
    OwnedHandle m_ready;
};

// A batch file in the temporary folder, removed afterwards.
class BatchFile {
public:
    explicit BatchFile(const std::string& content) {
        m_path =
            TempFolder() + "zembra-treeprobe-" + std::to_string(GetCurrentProcessId()) + ".bat";
        std::ofstream(m_path) << "@echo off\r\n" << content << "\r\n";
    }
    ~BatchFile() { DeleteFileA(m_path.c_str()); }
    BatchFile(const BatchFile&) = delete;
    BatchFile& operator=(const BatchFile&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

struct TreeCase {
    const char* name;
    // The probe's arguments; %HOLD% becomes a held probe's command line.
    std::string arguments;
    bool throughBatch;
    // A process whose starter ended before it could be seen is known only through the job.
    bool needsJob;
};

const TreeCase kTreeCases[] = {
    {"DirectChild", "start %HOLD%", false, false},
    {"HiddenCmdThatOutlivesTheProgram", "start cmd.exe /c %HOLD%", false, false},
    {"GrandchildWhoseParentEnded", "start " + Probe() + " start %HOLD%", false, true},
    {"BatchFileThroughTheShell", "shell %BATCH%", true, false},
};

struct TreeParam {
    TreeCase tree;
    Following following;
};

void PrintTo(const TreeParam& param, std::ostream* out) {
    *out << param.tree.name;
}

std::vector<TreeParam> AllTreeParams() {
    std::vector<TreeParam> params;
    for (const auto& tree : kTreeCases) {
        params.push_back({tree, Following::Job});
        if (!tree.needsJob)
            params.push_back({tree, Following::ParentIds});
    }
    return params;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// The probe of the case, started and ended by itself, leaving its processes behind.
class TreeTest : public testing::TestWithParam<TreeParam> {
protected:
    Process StartProbe() {
        const std::string hold = Probe() + " hold " + m_release.Name();
        m_batch = std::make_unique<BatchFile>(hold);
        std::string arguments = Replace(GetParam().tree.arguments, "%HOLD%", hold);
        arguments = Replace(arguments, "%BATCH%", QuoteArgument(m_batch->Path()));
        return Process::Start(Probe() + " " + arguments, {}, GetParam().following);
    }

    Release m_release;
    std::unique_ptr<BatchFile> m_batch;
};

bool IsAlive(HANDLE process) {
    return WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

TEST_P(TreeTest, TreeEndsOnlyWhenEveryStartedProcessHasEnded) {
    Process probe = StartProbe();
    EXPECT_EQ(probe.FollowsJob(), GetParam().following == Following::Job);
    ASSERT_EQ(probe.WaitForExit(kLimit), DWORD(0));
    ASSERT_TRUE(m_release.WaitUntilHeld());

    EXPECT_FALSE(probe.WaitForProcessTree(kStillRunning));
    const std::vector<DWORD> started = probe.StartedProcessIds();
    EXPECT_EQ(std::count(started.begin(), started.end(), probe.Id()), 0);
    // The held probe is among them, whatever started it.
    EXPECT_NE(DescribeProcesses(started).find("treeprobe.exe ("), std::string::npos)
        << DescribeProcesses(started);

    m_release.Set();
    EXPECT_TRUE(probe.WaitForProcessTree(kLimit)) << DescribeProcesses(probe.StartedProcessIds());
    EXPECT_TRUE(probe.StartedProcessIds().empty());
}

TEST_P(TreeTest, EndingTheObjectEndsEveryStartedProcess) {
    std::vector<OwnedHandle> started;
    {
        Process probe = StartProbe();
        ASSERT_EQ(probe.WaitForExit(kLimit), DWORD(0));
        ASSERT_TRUE(m_release.WaitUntilHeld());
        for (DWORD id : probe.StartedProcessIds()) {
            if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id))
                started.emplace_back(process);
        }
        ASSERT_FALSE(started.empty());
        for (const auto& process : started)
            EXPECT_TRUE(IsAlive(process.Get()));
    }
    for (const auto& process : started)
        EXPECT_FALSE(IsAlive(process.Get()));
}

INSTANTIATE_TEST_SUITE_P(Trees, TreeTest, testing::ValuesIn(AllTreeParams()), [](const auto& info) {
    return std::string(info.param.tree.name) +
           (info.param.following == Following::Job ? "_Job" : "_ParentIds");
});

TEST(ProcessTree, ProgramWithoutChildrenEndsWithItAndOthersDoNotCount) {
    Release release;
    Process other = Process::Start(Probe() + " hold " + release.Name());
    ASSERT_TRUE(release.WaitUntilHeld());
    for (Following following : {Following::Job, Following::ParentIds}) {
        Process program = Process::Start("cmd.exe /c exit 5", {}, following);
        EXPECT_TRUE(program.WaitForProcessTree(kLimit));
        EXPECT_EQ(program.WaitForExit(kLimit), DWORD(5));
        EXPECT_TRUE(program.StartedProcessIds().empty());
    }
    EXPECT_TRUE(other.IsRunning());
    EXPECT_FALSE(other.WaitForProcessTree(kStillRunning));
    release.Set();
    EXPECT_EQ(other.WaitForExit(kLimit), DWORD(0));
    EXPECT_TRUE(other.WaitForProcessTree(kLimit));
}

TEST(ProcessTree, TerminatingTheTreeEndsTheProgramAndReportsTheDriversExitCode) {
    Release release;
    Process probe = Process::Start(Probe() + " start " + Probe() + " hold " + release.Name());
    ASSERT_TRUE(release.WaitUntilHeld());
    EXPECT_TRUE(probe.TerminateProcessTree());
    EXPECT_TRUE(probe.StartedProcessIds().empty());
    // The probe itself ended on its own with 0 right after starting the held one.
    EXPECT_EQ(probe.WaitForExit(kLimit), DWORD(0));
}

TEST(ProcessTree, MovedFromObjectFollowsNothing) {
    Release release;
    Process probe = Process::Start(Probe() + " start " + Probe() + " hold " + release.Name());
    ASSERT_TRUE(release.WaitUntilHeld());
    Process moved = std::move(probe);
    EXPECT_TRUE(probe.WaitForProcessTree(milliseconds(0)));
    EXPECT_TRUE(probe.StartedProcessIds().empty());
    EXPECT_FALSE(moved.WaitForProcessTree(kStillRunning));
    release.Set();
    EXPECT_TRUE(moved.WaitForProcessTree(kLimit));
}

} // namespace
