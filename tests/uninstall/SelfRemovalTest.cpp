// The temporary names and the self-removal script's file as the uninstaller makes them, and the
// script at work under the real command interpreter, on folders of any name.

#include "framework/CodePage.h"
#include "framework/core/LineBreaks.h"
#include "tests/driver/Poll.h"
#include "tests/driver/ProcessTree.h"
#include "tests/uninstall/Installation.h"
#include "uninstaller/Uninstaller.h"
#include "uninstaller/core/SelfRemovalScript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <regex>

namespace uninstalltest {
namespace {

using testdriver::milliseconds;

// Within this a script that finds its program free has ended; one that pauses twice as well.
const milliseconds kScriptLimit{15000};

std::wstring Wide(const std::string& text) {
    return ToWide(CP_ACP, text);
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(GetTempDirectory, IsTheSystemsTemporaryFolderWithItsBackslash) {
    EXPECT_EQ(GetTempDirectory(), Wide(TempFolder()));
    EXPECT_EQ(GetTempDirectory().back(), L'\\');
}

TEST(GetScriptDirectory, IsTheWindowsFoldersTemporaryFolder) {
    wchar_t windows[MAX_PATH] = L"";
    ASSERT_NE(GetSystemWindowsDirectoryW(windows, MAX_PATH), 0u);
    EXPECT_EQ(GetWindowsTempDirectory(), std::wstring(windows) + L"\\Temp\\");
    // Wine lets every program of the prefix create files there, so the user's folder, which
    // stands in when it cannot be written, is tested with the uninstaller itself.
    EXPECT_EQ(GetScriptDirectory(), GetWindowsTempDirectory());
}

TEST(GetSystemFolder, HoldsTheCommandInterpreterAndPing) {
    const std::wstring system = GetSystemFolder();
    ASSERT_FALSE(system.empty());
    EXPECT_EQ(system.back(), L'\\');
    EXPECT_TRUE(Exists(system + L"cmd.exe"));
    EXPECT_TRUE(Exists(system + L"ping.exe"));
}

TEST(MakeTempFileName, CreatesANewEmptyTmpFileInTheFolderWithTheNewExtension) {
    for (const std::wstring& folder : {GetTempDirectory(), GetWindowsTempDirectory()}) {
        const std::wstring name = MakeTempFileName(folder, L"bat");
        ASSERT_EQ(name.substr(0, folder.size()), folder);
        const std::wstring file = name.substr(folder.size());
        EXPECT_TRUE(std::regex_match(file, std::wregex(L"TMP[0-9A-Fa-f]{1,4}\\.bat")));
        // The system's own file is gone again; the new one is there and empty.
        EXPECT_FALSE(Exists(uninstaller::WithExtension(name, L"tmp")));
        const FileHandle created(
            CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        LARGE_INTEGER size{};
        EXPECT_TRUE(GetFileSizeEx(created.Get(), &size));
        EXPECT_EQ(size.QuadPart, 0);
        DeleteFileW(name.c_str());
    }
    EXPECT_EQ(MakeTempFileName(L"C:\\no such folder for Zembra\\", L"bat"), L"");
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
        const std::wstring path = CreateNewTempFile(Wide(folder), unique, L"bat");
        EXPECT_TRUE(_wcsicmp(path.c_str(), Wide(folder + created).c_str()) == 0);
        EXPECT_EQ(ReadFileBytes(FromWide(CP_ACP, path)), std::optional<std::string>(""));
    }
    for (const char* planted : {"TMP4a2e.bat", "TMP4a2f.bat", "TMPffff.bat"})
        EXPECT_EQ(ReadFileBytes(folder + planted), std::optional<std::string>("planted"));
    testdriver::RemoveTree(folder);
}

// An install folder of the given name with Uninstall.exe in it, and a script made for it in the
// Windows folder's temporary folder; whatever is left goes when the test ends.
class ScriptTest : public testing::TestWithParam<const wchar_t*> {
protected:
    ScriptTest() {
        const std::wstring folder =
            Wide(TempFolder()) + GetParam() + L" " + std::to_wstring(GetCurrentProcessId()) + L"\\";
        m_paths = {folder + L"Uninstall.exe", folder,
                   MakeTempFileName(GetScriptDirectory(), L"bat"), GetSystemFolder() + L"ping.exe"};
        CreateDirectoryW(m_paths.folder.c_str(), nullptr);
        EXPECT_TRUE(FileHandle(CreateFileW(m_paths.program.c_str(), GENERIC_WRITE, 0, nullptr,
                                           CREATE_NEW, 0, nullptr)));
    }
    ~ScriptTest() override {
        for (const std::wstring& file : {m_paths.script, m_paths.program, Mine()})
            DeleteFileW(file.c_str());
        RemoveDirectoryW(m_paths.folder.c_str());
    }

    std::wstring Mine() const { return m_paths.folder + L"mine.txt"; }

    // Holds the program's file open as the running uninstaller does.
    void Hold() {
        m_held = FileHandle(CreateFileW(m_paths.program.c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        EXPECT_TRUE(m_held);
    }

    // Writes and starts the script as the uninstaller does.
    void Start(unsigned tries = uninstaller::kScriptTries) {
        ASSERT_TRUE(WriteSelfRemovalScript(m_paths.script));
        m_interpreter = StartSelfRemovalScript(m_paths, tries);
        ASSERT_TRUE(m_interpreter);
    }

    // True once the script pauses: its command interpreter runs ping.
    bool IsPausing() const {
        const DWORD id = GetProcessId(m_interpreter.Get());
        const std::vector<testdriver::ProcessEntry> processes = testdriver::AllProcesses();
        return std::any_of(processes.begin(), processes.end(), [id](const auto& process) {
            return process.parentId == id && _stricmp(process.name.c_str(), "ping.exe") == 0;
        });
    }

    // True once the command interpreter has ended within limit.
    bool Ended() const {
        return WaitForSingleObject(m_interpreter.Get(), kScriptLimit.count()) == WAIT_OBJECT_0;
    }

    uninstaller::ScriptPaths m_paths;
    FileHandle m_held;
    KernelHandle m_interpreter;
    MessageRecorder m_messages;
};

TEST_P(ScriptTest, FileHoldsTheScriptTextByteForByte) {
    ASSERT_TRUE(WriteSelfRemovalScript(m_paths.script));
    EXPECT_EQ(ReadFileBytes(FromWide(CP_ACP, m_paths.script)),
              WithCrLf(uninstaller::kSelfRemovalScript));
    EXPECT_TRUE(m_messages.Shown().empty());
}

// While the uninstaller runs, the script pauses between its tries; once the file is free it
// removes it, the empty folder and itself, whatever the folder is called.
TEST_P(ScriptTest, RemovesTheProgramOnceFreeThenTheEmptyFolderAndItself) {
    Hold();
    Start();
    ASSERT_TRUE(testdriver::WaitUntil([&] { return IsPausing(); }, kScriptLimit));
    EXPECT_TRUE(Exists(m_paths.program)) << "deleted while held";
    m_held = FileHandle();
    ASSERT_TRUE(Ended());
    EXPECT_FALSE(Exists(m_paths.program));
    EXPECT_FALSE(Exists(m_paths.folder));
    EXPECT_FALSE(Exists(m_paths.script));
}

TEST_P(ScriptTest, LeavesAFolderThatHoldsOtherFiles) {
    ASSERT_TRUE(
        FileHandle(CreateFileW(Mine().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
    Start();
    ASSERT_TRUE(Ended());
    EXPECT_FALSE(Exists(m_paths.program));
    EXPECT_TRUE(Exists(Mine()));
    EXPECT_FALSE(Exists(m_paths.script));
}

// A program that stays held is given up after the last try (here the one pause of one more try);
// the script still deletes itself.
TEST_P(ScriptTest, GivesUpAfterItsLastTryAndStillDeletesItself) {
    Hold();
    Start(1);
    ASSERT_TRUE(Ended());
    EXPECT_TRUE(Exists(m_paths.program));
    EXPECT_FALSE(Exists(m_paths.script));
}

// Names the command interpreter would read as its own: a percent sign, operators, a caret, a
// variable's name between percent signs, and scripts other than the ANSI code page's. (An
// exclamation mark, which Windows passes as well, is what Wine 8's command interpreter does not.)
INSTANTIATE_TEST_SUITE_P(FolderNamed, ScriptTest,
                         testing::Values(L"Zembra 100%", L"a&b (x) ^ %PATH% %%",
                                         L"Zembra Ελληνικά Кириллица"),
                         [](const testing::TestParamInfo<const wchar_t*>& info) {
                             return "Name" + std::to_string(info.index);
                         });

TEST(WriteSelfRemovalScript, ReportsAScriptThatCannotBeWritten) {
    MessageRecorder messages;
    EXPECT_FALSE(WriteSelfRemovalScript(Wide(TempFolder()) + L"missing Zembra\\TMP1.bat"));
    ASSERT_EQ(messages.Shown().size(), 1u);
    const std::string& text = messages.Shown()[0].text;
    const std::string first = "Could not write batch file.\n";
    EXPECT_EQ(text.substr(0, first.size()), first);
    EXPECT_GT(text.size(), first.size()) << "no description";
    EXPECT_EQ(messages.Shown()[0].type, static_cast<unsigned>(MB_ICONERROR));
}

} // namespace
} // namespace uninstalltest
