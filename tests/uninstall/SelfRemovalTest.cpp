// The temporary names and the self-removal script's file as the uninstaller makes them, and the
// script at work under the real command interpreter.

#include "support/ShellRun.h"
#include "tests/driver/Handles.h"
#include "tests/driver/Poll.h"
#include "tests/uninstall/Installation.h"
#include "uninstaller/Uninstaller.h"
#include "uninstaller/core/SelfRemovalScript.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <regex>
#include <thread>

namespace uninstalltest {
namespace {

TEST(GetTempDirectory, IsTheSystemsTemporaryFolderWithItsBackslash) {
    EXPECT_EQ(GetTempDirectory(), TempFolder());
    EXPECT_EQ(GetTempDirectory().back(), '\\');
}

TEST(GetScriptDirectory, IsTheWindowsFoldersTemporaryFolder) {
    char windows[MAX_PATH] = "";
    ASSERT_NE(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    EXPECT_EQ(GetWindowsTempDirectory(), std::string(windows) + "\\Temp\\");
    // Wine lets every program of the prefix create files there, so the user's folder, which
    // stands in when it cannot be written, is tested with the uninstaller itself.
    EXPECT_EQ(GetScriptDirectory(), GetWindowsTempDirectory());
}

TEST(MakeTempFileName, CreatesANewEmptyTmpFileInTheFolderWithTheNewExtension) {
    for (const std::string& folder : {TempFolder(), GetWindowsTempDirectory()}) {
        const std::string name = MakeTempFileName(folder, "bat");
        ASSERT_EQ(name.substr(0, folder.size()), folder);
        const std::string file = name.substr(folder.size());
        EXPECT_TRUE(std::regex_match(file, std::regex("TMP[0-9A-Fa-f]{1,4}\\.bat"))) << file;
        // The system's own file is gone again; the new one is there and empty.
        EXPECT_FALSE(FileExists(uninstaller::WithExtension(name, "tmp")));
        EXPECT_EQ(ReadFileBytes(name), std::optional<std::string>(""));
        DeleteFileA(name.c_str());
    }
    EXPECT_EQ(MakeTempFileName("C:\\no such folder for Zembra\\", "bat"), "");
}

TEST(CreateNewTempFile, NeverReusesAFileLyingUnderTheNameButTakesTheNextFreeOne) {
    const std::string folder =
        TempFolder() + "Zembra names " + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    // Someone else's files under the first two names; the last name of all is taken too, so the
    // numbers start again at 1.
    for (const char* planted : {"TMP4a2e.bat", "TMP4a2f.bat", "TMPffff.bat"})
        ASSERT_TRUE(WriteFileBytes(folder + planted, "planted"));
    const std::pair<unsigned, const char*> cases[] = {
        {0x4a2e, "TMP4a30.bat"}, {0x4a2e, "TMP4a31.bat"}, {0xffff, "TMP1.bat"}};
    for (const auto& [unique, created] : cases) {
        const std::string path = CreateNewTempFile(folder, unique, "bat");
        EXPECT_TRUE(_stricmp(path.c_str(), (folder + created).c_str()) == 0) << path;
        EXPECT_EQ(ReadFileBytes(path), std::optional<std::string>(""));
    }
    for (const char* planted : {"TMP4a2e.bat", "TMP4a2f.bat", "TMPffff.bat"})
        EXPECT_EQ(ReadFileBytes(folder + planted), std::optional<std::string>("planted"));
    testdriver::RemoveTree(folder);
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
        testdriver::OwnedHandle held(
            CreateFileA(m_program.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_TRUE(held);
        EXPECT_TRUE(WriteSelfRemovalScript(m_script, m_program, m_folder));
        if (!ShellRun(m_script, "", SW_HIDE, GetTempDirectory()))
            return false;
        std::this_thread::sleep_for(heldFor);
        EXPECT_TRUE(FileExists(m_program)) << "deleted while held";
        held = testdriver::OwnedHandle();
        return testdriver::WaitUntil([&] { return !FileExists(m_script); },
                                     std::chrono::seconds(15));
    }

    const std::string m_folder =
        TempFolder() + "Zembra script " + std::to_string(GetCurrentProcessId()) + "\\";
    const std::string m_program = m_folder + "Uninstall.exe";
    const std::string m_script = MakeTempFileName(TempFolder(), "bat");
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
