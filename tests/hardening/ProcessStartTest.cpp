// What the programs' own start gives every process (startprobe starts as they do): a stack guard
// of its own that ends the process when a buffer overruns it, and a DLL search that never looks
// beside the program.

#include "tests/driver/Files.h"
#include "tests/driver/Process.h"
#include "tests/hardening/Planting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using testdriver::CapturedOutput;
using testdriver::Process;

constexpr testdriver::milliseconds kExitLimit{10000};

struct ProbeRun {
    DWORD exitCode = 0;
    std::string out;
};

class ProcessStart : public testing::Test {
protected:
    ProcessStart() : m_folder(testdriver::TempFolder() + "zembra start probe\\") {
        testdriver::RemoveTree(m_folder);
        testdriver::CreateFolders(m_folder);
        EXPECT_TRUE(CopyFileA(testdriver::WindowsPathOf(ZEMBRA_STARTPROBE_PATH).c_str(),
                              (m_folder + "startprobe.exe").c_str(), FALSE));
    }
    ~ProcessStart() override { testdriver::RemoveTree(m_folder); }

    // startprobe.exe from the folder, with the arguments.
    ProbeRun Probe(const std::string& arguments) const {
        const std::string line = "\"" + m_folder + "startprobe.exe\" " + arguments;
        CapturedOutput output;
        Process probe = Process::Start(std::wstring(line.begin(), line.end()), output);
        ProbeRun run;
        const auto code = probe.WaitForExit(kExitLimit);
        EXPECT_TRUE(code) << line << " did not end";
        run.exitCode = code.value_or(Process::kTerminatedExitCode);
        // Without the C runtime's carriage returns.
        for (const char c : output.Out())
            if (c != '\r')
                run.out += c;
        return run;
    }

    std::string m_folder;
};

std::uint64_t GuardOf(const ProbeRun& run) {
    return std::stoull(run.out, nullptr, 16);
}

TEST_F(ProcessStart, EachProcessHasAGuardOfItsOwn) {
    const ProbeRun first = Probe("guard");
    const ProbeRun second = Probe("guard");
    ASSERT_EQ(first.exitCode, 0u);
    ASSERT_EQ(second.exitCode, 0u);
    EXPECT_NE(GuardOf(first), GuardOf(second)) << first.out;
    for (const ProbeRun& run : {first, second}) {
        EXPECT_NE(GuardOf(run) >> 8, 0u) << run.out;
        // A string copied past a buffer's end stops at the guard's zero byte.
        EXPECT_EQ(GuardOf(run) & 0xFF, 0u) << run.out;
    }
}

TEST_F(ProcessStart, AnOverrunBufferEndsTheProcessAtOnce) {
    const ProbeRun within = Probe("overrun 16");
    EXPECT_EQ(within.exitCode, 0u);
    EXPECT_EQ(within.out, "wrote 16\nsurvived\n");

    const ProbeRun beyond = Probe("overrun 64");
    EXPECT_EQ(beyond.exitCode, static_cast<DWORD>(STATUS_STACK_BUFFER_OVERRUN));
    EXPECT_EQ(beyond.out.find("survived"), std::string::npos) << beyond.out;
}

TEST_F(ProcessStart, ADllBesideTheProgramIsNotFoundByName) {
    ASSERT_TRUE(hardening::PlantDlls(m_folder, {"zembraplanted"}));
    const ProbeRun run = Probe("load zembraplanted.dll");
    EXPECT_EQ(run.exitCode, 1u) << run.out;
    EXPECT_EQ(run.out, "error 126\n");
    EXPECT_EQ(hardening::PlantedLoads(m_folder), std::vector<std::string>{});
}

TEST_F(ProcessStart, TheProductsOwnSystemDllsComeFromTheSystemFolder) {
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    ASSERT_TRUE(hardening::PlantDlls(m_folder, {"uxtheme"}));
    const hardening::NativeDllsPreferred preferred({"startprobe.exe"}, {"uxtheme"});
    const ProbeRun run = Probe("system uxtheme.dll");
    EXPECT_EQ(run.exitCode, 0u) << run.out;
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, run.out.c_str(), -1,
                             (std::string(system) + "\\uxtheme.dll\n").c_str(), -1),
              CSTR_EQUAL)
        << run.out;
    EXPECT_EQ(hardening::PlantedLoads(m_folder), std::vector<std::string>{});
}

} // namespace
