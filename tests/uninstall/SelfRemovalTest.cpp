// The temporary names and the self-removal script's file as the uninstaller makes them, and the
// script at work under the real command interpreter.

#include "support/ShellRun.h"
#include "tests/driver/Handles.h"
#include "tests/uninstall/Installation.h"
#include "uninstaller/Uninstaller.h"
#include "uninstaller/core/SelfRemovalScript.h"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>

namespace uninstalltest {
namespace {

TEST(GetTempDirectory, IsTheSystemsTemporaryFolderWithItsBackslash) {
    EXPECT_EQ(GetTempDirectory(), TempFolder());
    EXPECT_EQ(GetTempDirectory().back(), '\\');
}

TEST(MakeTempFileName, IsAFreshTmpNameInTheTemporaryFolderWithTheNewExtension) {
    const std::string name = MakeTempFileName("bat");
    const std::string folder = TempFolder();
    ASSERT_EQ(name.substr(0, folder.size()), folder);
    const std::string file = name.substr(folder.size());
    EXPECT_TRUE(std::regex_match(file, std::regex("TMP[0-9A-Fa-f]{1,4}\\.bat"))) << file;
    // The system's own file is gone again, and nothing has the new name yet.
    EXPECT_FALSE(FileExists(uninstaller::WithExtension(name, "tmp")));
    EXPECT_FALSE(FileExists(name));
}

TEST(MakeTempFileName, IsEmptyWhenTheTemporaryFolderIsMissing) {
    char saved[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("TMP", saved, MAX_PATH);
    SetEnvironmentVariableA("TMP", "C:\\no such folder for Zembra\\");
    const std::string name = MakeTempFileName("bat");
    SetEnvironmentVariableA("TMP", length != 0 ? saved : nullptr);
    EXPECT_EQ(name, "");
}

class ScriptTest : public testing::Test {
protected:
    ScriptTest() { CreateDirectoryA(m_folder.c_str(), nullptr); }
    ~ScriptTest() override {
        for (const std::string& file : {m_script, m_program, m_folder + "mine.txt"})
            DeleteFileA(file.c_str());
        RemoveDirectoryA(m_folder.c_str());
    }

    // Starts the script as the uninstaller does and waits, with a limit, until it has deleted
    // itself; heldFor keeps the program's file open for that long first, as a running program.
    bool RunScript(std::chrono::milliseconds heldFor = std::chrono::milliseconds(0)) {
        testdriver::UniqueHandle held(
            CreateFileA(m_program.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_TRUE(held);
        EXPECT_TRUE(WriteSelfRemovalScript(m_script, m_program, m_folder));
        if (!ShellRun(m_script, "", SW_HIDE, GetTempDirectory()))
            return false;
        std::this_thread::sleep_for(heldFor);
        EXPECT_TRUE(FileExists(m_program)) << "deleted while held";
        held = testdriver::UniqueHandle();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (FileExists(m_script)) {
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    const std::string m_folder =
        TempFolder() + "Zembra script " + std::to_string(GetCurrentProcessId()) + "\\";
    const std::string m_program = m_folder + "Uninstall.exe";
    const std::string m_script = MakeTempFileName("bat");
    MessageRecorder m_messages;
};

TEST_F(ScriptTest, FileHoldsTheScriptTextByteForByte) {
    ASSERT_TRUE(WriteSelfRemovalScript(m_script, m_program, m_folder));
    EXPECT_EQ(ReadFileBytes(m_script),
              uninstaller::SelfRemovalScriptFile(m_program, m_folder, m_script));
    EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(ScriptTest, ScriptThatCannotBeWrittenIsReported) {
    EXPECT_FALSE(WriteSelfRemovalScript(m_folder + "missing\\TMP1.bat", m_program, m_folder));
    ASSERT_EQ(m_messages.Shown().size(), 1u);
    const std::string& text = m_messages.Shown()[0].text;
    const std::string first = "Could not write batch file.\n";
    EXPECT_EQ(text.substr(0, first.size()), first);
    EXPECT_GT(text.size(), first.size()) << "no description";
    EXPECT_EQ(m_messages.Shown()[0].type, static_cast<unsigned>(MB_ICONERROR));
}

// The script waits for the program's file to become free, then removes it, the empty folder
// and itself.
TEST_F(ScriptTest, RemovesTheProgramOnceFreeThenTheEmptyFolderAndItself) {
    ASSERT_TRUE(WriteFileBytes(m_program, "program"));
    ASSERT_TRUE(RunScript(std::chrono::milliseconds(300)));
    EXPECT_FALSE(FileExists(m_program));
    EXPECT_FALSE(FolderExists(m_folder));
}

TEST_F(ScriptTest, LeavesAFolderThatHoldsOtherFiles) {
    ASSERT_TRUE(WriteFileBytes(m_program, "program"));
    ASSERT_TRUE(WriteFileBytes(m_folder + "mine.txt", "mine"));
    ASSERT_TRUE(RunScript());
    EXPECT_FALSE(FileExists(m_program));
    EXPECT_EQ(ReadFileBytes(m_folder + "mine.txt"), "mine");
}

} // namespace
} // namespace uninstalltest
