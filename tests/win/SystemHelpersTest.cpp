// The system helpers under a real desktop: messages, shell, token, module paths, error texts and
// the documents folder.

#include "support/SystemHelpers.h"
#include "framework/CodePage.h"
#include "framework/SystemMessage.h"
#include "framework/UniqueHandle.h"
#include "framework/WinApp.h"
#include "support/core/ErrorDescription.h"
#include "tests/driver/BoxCloser.h"
#include "tests/driver/Files.h"
#include "tests/driver/Recorders.h"
#include "tests/driver/Registry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using testdriver::BoxCloser;
using testdriver::FileExists;
using testdriver::SeenBox;
using testdriver::TempFolder;

using WindowHandle = UniqueHandle<HWND, &DestroyWindow>;

// A plain top-level window standing in for a program's main window.
WindowHandle TestWindow() {
    return WindowHandle(CreateWindowExA(0, "STATIC", "Zembra test main window", WS_OVERLAPPEDWINDOW,
                                        0, 0, 200, 100, NULL, NULL, GetModuleHandleA(NULL), NULL));
}

// Puts the message seam back as a program finds it; the application object stands in for a
// program's own.
class MessageSeamsTest : public ::testing::Test {
protected:
    void TearDown() override { SetMessageHandler(nullptr); }
    CWinApp m_app;
};

// The boxes this process showed while run ran, each closed with its OK button.
template <typename Run> std::vector<SeenBox> BoxesShownBy(Run run) {
    BoxCloser closer;
    run();
    return closer.Seen();
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

std::string Folded(std::string path) {
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    for (char& c : path)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return path;
}

} // namespace

TEST_F(MessageSeamsTest, ShowMessageGoesThroughTheHandlerThatIsSet) {
    const testdriver::MessageRecorder recorder(IDRETRY);
    EXPECT_EQ(ShowMessage("Text\nmore", "Zembra", MB_RETRYCANCEL), IDRETRY);
    ASSERT_EQ(recorder.Shown().size(), 1u);
    EXPECT_EQ(recorder.Shown()[0].text, "Text\nmore");
    EXPECT_EQ(recorder.Shown()[0].caption, "Zembra");
    EXPECT_EQ(recorder.Shown()[0].type, static_cast<unsigned>(MB_RETRYCANCEL));
}

TEST_F(MessageSeamsTest, SilentHandlerAnswersYesAndShowsNothing) {
    SetMessageHandler([](const std::string&, const std::string&, unsigned) { return IDYES; });
    BoxCloser closer;
    EXPECT_EQ(ShowMessage("Remove Zembra?", "Uninstall", MB_YESNO | MB_ICONINFORMATION), IDYES);
    EXPECT_EQ(ShowMessage("Could not delete.\n", "Uninstall", MB_OK | MB_ICONERROR), IDYES);
    EXPECT_TRUE(closer.Seen().empty());
}

TEST_F(MessageSeamsTest, OwnerIsTheMainWindowOnlyWhileItExists) {
    EXPECT_EQ(GetMessageOwner(), static_cast<HWND>(NULL));

    WindowHandle mainWindow = TestWindow();
    ASSERT_NE(mainWindow.Get(), static_cast<HWND>(NULL));
    m_app.m_hMainWnd = mainWindow.Get();
    EXPECT_EQ(GetMessageOwner(), mainWindow.Get());

    mainWindow.Reset();
    EXPECT_EQ(GetMessageOwner(), static_cast<HWND>(NULL));
}

TEST_F(MessageSeamsTest, ShowMessageShowsABoxOwnedByTheMainWindowOrOwnerlessWithoutOne) {
    WindowHandle mainWindow = TestWindow();
    ASSERT_NE(mainWindow.Get(), static_cast<HWND>(NULL));
    for (HWND owner : {static_cast<HWND>(NULL), mainWindow.Get()}) {
        m_app.m_hMainWnd = owner;
        int pressed = 0;
        const std::vector<SeenBox> seen = BoxesShownBy(
            [&] { pressed = ShowMessage("Message.", "Zembra box test", MB_OK | MB_ICONERROR); });
        EXPECT_EQ(pressed, IDOK);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].caption, "Zembra box test");
        EXPECT_EQ(seen[0].text, "Message.");
        EXPECT_EQ(seen[0].owner, owner);
    }
}

TEST(ShellRun, FailsForADocumentTypeWithoutAssociatedProgram) {
    const std::string document = TempFolder() + "ZembraTest.zembratestnoassociation";
    ASSERT_TRUE(testdriver::WriteFileBytes(document, ""));
    // The shell tells the user itself that no program opens the file.
    BoxesShownBy([&] { EXPECT_FALSE(ShellRun(document, "", SW_SHOWNORMAL)); });
    DeleteFileA(document.c_str());
}

TEST(ShellRun, RunAndWaitReturnsOnlyAfterTheProgramHasEnded) {
    const std::string marker = TempFolder() + "ZembraTestShellRunAndWait.txt";
    DeleteFileA(marker.c_str());
    // The marker is written as the program's very last step, after a while of busy work.
    const std::string parameters =
        "/c for /l %i in (1,1,3000) do @rem & echo done> \"" + marker + "\"";
    EXPECT_TRUE(ShellRunAndWait("cmd.exe", parameters, SW_HIDE));
    EXPECT_TRUE(FileExists(marker));
    DeleteFileA(marker.c_str());
}

TEST(ShellRun, RunAndWaitFailsForAMissingProgramAndTellsOfItOnlyWhenAllowed) {
    for (const ShellErrors errors : {ShellErrors::Shown, ShellErrors::Hidden}) {
        // The shell's own box comes before the call returns.
        EXPECT_EQ(BoxesShownBy([&] {
                      EXPECT_FALSE(ShellRunAndWait(TempFolder() + "ZembraTestMissing.exe", "Silent",
                                                   SW_HIDE, {}, errors));
                  }).size(),
                  errors == ShellErrors::Shown ? 1u : 0u);
    }
}

TEST(IsAdministrator, IsTrueForWinesUserInTheAdministratorsGroup) {
    EXPECT_TRUE(IsAdministrator());
}

TEST_F(MessageSeamsTest, AnAdministratorGoesOnWithoutBeingAsked) {
    const testdriver::MessageRecorder recorder(IDNO);
    EXPECT_TRUE(ConfirmUnlessAdministrator("Continue anyway?"));
    EXPECT_TRUE(recorder.Shown().empty());
}

TEST(ModulePath, IsTheRunningProgramsFullFileName) {
    char expected[MAX_PATH];
    const DWORD length = GetModuleFileNameA(NULL, expected, MAX_PATH);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(GetModulePath(), std::string(expected, length));
    EXPECT_EQ(GetModulePath(NULL), std::string(expected, length));

    const std::string kernel = Folded(GetModulePath(GetModuleHandleA("kernel32.dll")));
    ASSERT_GE(kernel.size(), 13u);
    EXPECT_EQ(kernel.substr(kernel.size() - 13), "\\kernel32.dll");
}

TEST(ModulePath, ProgramDirectoryIsTheProgramsFolderWithTrailingBackslash) {
    const std::string module = GetModulePath();
    const std::string folder = GetProgramDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    ASSERT_LT(folder.size(), module.size());
    EXPECT_EQ(module.substr(0, folder.size()), folder);
    EXPECT_EQ(module.find('\\', folder.size()), std::string::npos);
}

TEST(SystemMessage, IsEmptyForACodeTheSystemDoesNotKnow) {
    EXPECT_EQ(SystemMessage(0xDEADBEEFul), "");
}

TEST(TrimmedSystemMessage, IsTheSystemsTextWithoutTheLineBreakItEndsWith) {
    const std::string full = SystemMessage(ERROR_FILE_NOT_FOUND);
    const std::string trimmed = TrimmedSystemMessage(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(trimmed.empty());
    EXPECT_LT(trimmed.size(), full.size());
    EXPECT_EQ(full.substr(0, trimmed.size()), trimmed);
    EXPECT_EQ(full.find_first_not_of("\r\n ", trimmed.size()), std::string::npos);
    EXPECT_EQ(std::string("\r\n ").find(trimmed.back()), std::string::npos);
    EXPECT_EQ(TrimmedSystemMessage(0xDEADBEEFul), "");
}

// The user's documents folder is the shell's: moved where the system keeps its place (the user's
// "Personal" shell folder), to the profile's old place, to a folder of any script, or to one
// that does not exist.
TEST(ChangeToMyDocumentsTest, EntersTheShellsDocumentsFolderWhereverItLies) {
    char userName[256];
    DWORD length = sizeof userName;
    ASSERT_TRUE(GetUserNameA(userName, &length));
    const std::wstring user(userName, userName + length - 1);
    const std::wstring temp = ToWide(CP_ACP, TempFolder());
    const auto WithoutTrailingBackslash = [](std::wstring path) {
        if (path.size() > 3 && path.back() == L'\\')
            path.pop_back();
        return path;
    };
    const struct {
        const char* what;
        std::vector<std::wstring> folders; // made for the test, the last one the documents
        bool exists;
    } cases[] = {
        {"today's place",
         {L"C:\\Documents and Settings", L"C:\\Documents and Settings\\" + user,
          L"C:\\Documents and Settings\\" + user + L"\\My Documents"},
         true},
        {"any script", {temp + L"Zembra \u0388\u03b3\u03b3\u03c1\u03b1\u03c6\u03b1"}, true},
        {"missing", {L"C:\\Zembra test folder that is not there"}, false},
    };
    const std::string key =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    const testdriver::SavedValue saved(HKEY_CURRENT_USER, key, "Personal");
    const std::string previous = CurrentDirectory();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::wstring> made;
        if (c.exists)
            for (const std::wstring& folder : c.folders)
                if (CreateDirectoryW(folder.c_str(), nullptr))
                    made.push_back(folder);
        const std::wstring& documents = c.folders.back();
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, ToWide(CP_ACP, key).c_str(), L"Personal",
                                  REG_EXPAND_SZ, documents.c_str(),
                                  static_cast<DWORD>((documents.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
        ASSERT_TRUE(SetCurrentDirectoryW(temp.c_str()));
        ChangeToMyDocuments();
        wchar_t current[MAX_PATH] = L"";
        const DWORD currentLength = GetCurrentDirectoryW(MAX_PATH, current);
        EXPECT_EQ(WithoutTrailingBackslash(std::wstring(current, currentLength)),
                  c.exists ? documents : WithoutTrailingBackslash(temp));
        SetCurrentDirectoryA(previous.c_str());
        for (auto folder = made.rbegin(); folder != made.rend(); ++folder)
            RemoveDirectoryW(folder->c_str());
    }
}
