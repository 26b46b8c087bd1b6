// The process list as the installer and the uninstaller read it: ids, parent ids and file names.

#include "support/ProcessList.h"
#include "framework/ModulePath.h"
#include "framework/UniqueHandle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const PROCESSENTRY32* FindProcess(const std::vector<PROCESSENTRY32>& processes, DWORD id) {
    const auto found =
        std::find_if(processes.begin(), processes.end(),
                     [id](const PROCESSENTRY32& process) { return process.th32ProcessID == id; });
    return found == processes.end() ? nullptr : &*found;
}

TEST(ListProcesses, HoldsThisProgramByFileNameAndTheChildItStartedByParentId) {
    // The child is held before it runs, so that it is surely in the list, and ended after.
    char commandLine[] = "cmd.exe /c exit";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE,
                               CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                               &started));
    const KernelHandle child(started.hProcess);
    const KernelHandle childThread(started.hThread);
    const std::vector<PROCESSENTRY32> processes = ListProcesses();
    TerminateProcess(child.Get(), 0);
    WaitForSingleObject(child.Get(), 5000);

    const PROCESSENTRY32* self = FindProcess(processes, GetCurrentProcessId());
    ASSERT_NE(self, nullptr);
    const std::string program = GetModulePath();
    EXPECT_EQ(std::string(self->szExeFile), program.substr(program.rfind('\\') + 1));
    const PROCESSENTRY32* listed = FindProcess(processes, started.dwProcessId);
    ASSERT_NE(listed, nullptr);
    EXPECT_EQ(listed->th32ParentProcessID, GetCurrentProcessId());
    EXPECT_EQ(std::string(listed->szExeFile), "cmd.exe");
}

} // namespace
