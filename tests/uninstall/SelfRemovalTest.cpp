// The temporary names and the self-removal script's file as the uninstaller makes them, and the
// script at work under the real command interpreter.

#include "support/ShellRun.h"
#include "support/ShowMessage.h"
#include "tests/uninstall/Installation.h"
#include "uninstaller/Uninstaller.h"
#include "uninstaller/core/SelfRemovalScript.h"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>

namespace uninstalltest {
namespace {

std::string TempPath() {
    char buffer[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

TEST(GetTempDirectory, IsTheSystemsTemporaryFolderWithItsBackslash) {
    const std::string folder = GetTempDirectory();
    EXPECT_EQ(folder, TempPath());
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
}

TEST(MakeTempFileName, IsAFreshTmpNameInTheTemporaryFolderWithTheNewExtension) {
    const std::string name = MakeTempFileName("bat");
    const std::string folder = TempPath();
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

struct Shown {
    std::string text;
    std::string caption;
    unsigned type;
};
std::vector<Shown> g_shown;
int RecordMessage(const std::string& text, const std::string& caption, unsigned type) {
    g_shown.push_back({text, caption, type});
    return IDOK;
}

class ScriptTest : public testing::Test {
protected:
    ScriptTest() {
        g_shown.clear();
        SetMessageHandler(RecordMessage);
        CreateDirectoryA(m_folder.c_str(), nullptr);
    }
    ~ScriptTest() override {
        SetMessageHandler(nullptr);
        DeleteFileA(m_script.c_str());
        DeleteFileA(m_program.c_str());
        DeleteFileA((m_folder + "mine.txt").c_str());
        RemoveDirectoryA(m_folder.c_str());
    }

    // Waits, with a limit, until the script has deleted itself.
    bool WaitForScriptToEnd() const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (FileExists(m_script)) {
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    const std::string m_folder =
        TempPath() + "Zembra script " + std::to_string(GetCurrentProcessId()) + "\\";
    const std::string m_program = m_folder + "Uninstall.exe";
    const std::string m_script = MakeTempFileName("bat");
};

TEST_F(ScriptTest, FileHoldsTheScriptTextByteForByte) {
    ASSERT_TRUE(WriteSelfRemovalScript(m_script, m_program, m_folder));
    EXPECT_EQ(ReadFileBytes(m_script),
              uninstaller::SelfRemovalScriptFile(m_program, m_folder, m_script));
    EXPECT_TRUE(g_shown.empty());
}

TEST_F(ScriptTest, ScriptThatCannotBeWrittenIsReported) {
    const std::string script = m_folder + "missing folder\\TMP1.bat";
    EXPECT_FALSE(WriteSelfRemovalScript(script, m_program, m_folder));
    ASSERT_EQ(g_shown.size(), 1u);
    EXPECT_EQ(g_shown[0].text.rfind("Could not write batch file.\n", 0), 0u) << g_shown[0].text;
    EXPECT_GT(g_shown[0].text.size(), std::string("Could not write batch file.\n").size());
    EXPECT_EQ(g_shown[0].type, static_cast<unsigned>(MB_ICONERROR));
}

// The script waits for the program's file to become free, then removes it, the empty folder
// and itself: a held file stands in for the running uninstaller.
TEST_F(ScriptTest, RemovesTheProgramOnceFreeThenTheEmptyFolderAndItself) {
    ASSERT_TRUE(WriteFileBytes(m_program, "program"));
    HANDLE held =
        CreateFileA(m_program.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(WriteSelfRemovalScript(m_script, m_program, m_folder));
    ASSERT_TRUE(ShellRun(m_script, "", SW_HIDE, GetTempDirectory()));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(FileExists(m_program)) << "deleted while held";
    EXPECT_TRUE(FileExists(m_script)) << "ended while the program was held";
    CloseHandle(held);
    ASSERT_TRUE(WaitForScriptToEnd());
    EXPECT_FALSE(FileExists(m_program));
    EXPECT_FALSE(FolderExists(m_folder));
}

TEST_F(ScriptTest, LeavesAFolderThatHoldsOtherFiles) {
    ASSERT_TRUE(WriteFileBytes(m_program, "program"));
    ASSERT_TRUE(WriteFileBytes(m_folder + "mine.txt", "mine"));
    ASSERT_TRUE(WriteSelfRemovalScript(m_script, m_program, m_folder));
    ASSERT_TRUE(ShellRun(m_script, "", SW_HIDE, GetTempDirectory()));
    ASSERT_TRUE(WaitForScriptToEnd());
    EXPECT_FALSE(FileExists(m_program));
    EXPECT_EQ(ReadFileBytes(m_folder + "mine.txt"), "mine");
}

} // namespace
} // namespace uninstalltest
