#pragma once
// What the installer's end-to-end tests share: the real installer started as a person starts it,
// its dialog and its messages, the files it carries, and the registry trees, folders and
// environment it touches, all put back when a test ends.

#include "tests/driver/Box.h"
#include "tests/driver/Files.h"
#include "tests/driver/Process.h"
#include "tests/driver/Registry.h"
#include "tests/driver/SystemText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace install {

using testdriver::milliseconds;
using testdriver::Process;

inline constexpr milliseconds kWindowLimit{10000};
// The whole run of an installer, from Install to its end, old uninstaller included.
inline constexpr milliseconds kRunLimit{30000};

// The programs an uninstallation runs: the uninstaller, and its removal script's command
// interpreter and pause.
inline const std::vector<std::string> kUninstallationPrograms{"Uninstall.exe", "cmd.exe",
                                                              "ping.exe"};

// The installer's and the old uninstaller's texts the tests expect, and the keys they read.
inline constexpr const char* kStartQuestion =
    "This program will install Zembra 1.0\nDo you want to continue?";
inline constexpr const char* kComplete = "Installation complete.";
inline constexpr const char* kIncomplete = "Zembra 1.0 was not completely installed.";
inline constexpr const char* kReinstall =
    "Zembra 1.0 has already been detected on your system.\nWould you like to re-install?";
inline constexpr const char* kHigher = "A higher version of Zembra is already installed on your "
                                       "system.\nWould you like to replace is with Zembra 1.0";
inline constexpr const char* kNotRemoved =
    "The previous version of Zembra could not be completely removed.\n"
    "Continuing with installation anyway.";
inline constexpr const char* kSaveFailed =
    "Could not create shortcut.\nIShellLink::Save() failed.\n";
inline constexpr const char* kConfirmUninstall = "Are you sure you want to uninstall Zembra 1.0?";
inline constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zembra";
inline constexpr const char* kProductKey = "Software\\Zembra";

// The programs under test and the payload's sources, as Windows sees them.
inline std::string InstallerPath() {
    return testdriver::WindowsPathOf(ZEMBRA_INSTALLER_PATH);
}
inline std::string UninstallerPath() {
    return testdriver::WindowsPathOf(ZEMBRA_UNINSTALLER_PATH);
}
struct PayloadSource {
    std::string fileName;
    std::string sourcePath;
};
// The five files an installation consists of, in the order the installer writes them.
const std::vector<PayloadSource>& PayloadSources();

using testdriver::CreateFolders;
using testdriver::DeleteTree;
using testdriver::FileExists;
using testdriver::FolderExists;
using testdriver::GetString;
using testdriver::GetWideString;
using testdriver::KeyExists;
using testdriver::ProductTrees;
using testdriver::ReadFileBytes;
using testdriver::ReadValue;
using testdriver::RegistrySnapshot;
using testdriver::RegistryValue;
using testdriver::RemoveTree;
using testdriver::SystemText;
using testdriver::TakeSnapshot;

// The system's text as the framework's file exceptions carry it: without the line end.
std::string FileExceptionText(unsigned long code);

// A path in the ANSI code page as UTF-16, to be joined with text the code page cannot hold.
std::wstring Wide(const std::string& text);
// Deletes the payload's files in folder (ending in a backslash) and the folder; true when the
// folder was removed.
bool RemoveInstalledFolder(const std::wstring& folder);

// A shortcut as the shell's link object reads it back; itemTarget is the target as the item list
// holds it, in UTF-16 (the path the link object gives may be its ANSI copy).
struct Link {
    std::string target;
    std::string workingDirectory;
    std::string description;
    std::string arguments;
    std::wstring itemTarget;
};
std::optional<Link> ReadLink(const std::string& path);

// The product's registry trees as they are now.
std::vector<RegistrySnapshot> ProductState();
// Deletes the product's registry trees.
void DeleteProductTrees();
// Checks that none of the product's registry trees exists.
void ExpectProductTreesGone();

// A message box the installer showed and how the test answered it.
struct Message {
    std::string caption;
    std::string text;
    int answer = 0;
    // Whether the box was owned by the install dialog, and whether that was visible then.
    bool ownedByDialog = false;
    bool dialogVisible = false;
};
std::ostream& operator<<(std::ostream& out, const Message& message);

// Decides the button for a message box; returns 0 to press the box's first button.
using Answerer = std::function<int(const testdriver::BoxContents&)>;
// Yes to every question, OK otherwise.
int AnswerYes(const testdriver::BoxContents& box);
// No to every question, OK otherwise.
int AnswerNo(const testdriver::BoxContents& box);

// The installer's own dialog among its windows (the window holding the path field), or nullptr.
HWND FindInstallDialog(DWORD pid);
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
// Clicks a button without waiting for what the click starts.
void Click(HWND dialog, int id);

// Every test: the product's registry trees and the place the system records for the all-users
// desktop are saved before and put back after; a scratch folder with blanks in its name holds the
// install folders. The all-users desktop is moved (where the system keeps its place) into the
// scratch folder, so a test decides whether it exists.
class InstallerTest : public testing::Test {
protected:
    InstallerTest();
    ~InstallerTest() override;

    // The folder under which a test installs; it exists and ends in a backslash.
    const std::string& Scratch() const { return m_scratch; }
    // The default install folder of a test: under the scratch folder, with blanks, not yet there.
    std::string InstallFolder() const { return m_scratch + "Zembra Program Files\\"; }
    // Where the installer looks for the all-users desktop, with the trailing backslash.
    const std::string& DesktopFolder() const { return m_desktop; }
    // Moves the all-users desktop to folder (a full path ending in a backslash), which is not made.
    void MoveDesktop(const std::string& folder);
    void CreateDesktopFolder() const { CreateFolders(DesktopFolder()); }
    std::string ShortcutPath() const { return DesktopFolder() + "Zembra.lnk"; }

    // Records an earlier installation's version, folder and uninstaller's command (each value
    // removed when empty).
    void RecordVersion(const std::string& version) { RecordText(kProductKey, "Version", version); }
    void RecordPath(const std::string& path) { RecordText(kProductKey, "Path", path); }
    void RecordUninstaller(const std::string& command) {
        RecordText(kUninstallKey, "UninstallString", command);
    }

    // Starts the installer (program with arguments, in workingDirectory when given) and answers
    // its start question with Yes.
    Process StartToDialog(HWND& dialog, const std::string& program = InstallerPath(),
                          const std::string& workingDirectory = {},
                          const std::string& arguments = {});

    // Answers every message box of the process with answer until it ends; the messages in order.
    // A test failure when it does not end within kRunLimit.
    static std::vector<Message> Converse(Process& process, const Answerer& answer);

    // The path typed into the dialog's path field, Install pressed, and every later message
    // answered with answer until the installer ends; the messages after Install.
    static std::vector<Message> InstallInDialog(Process& installer, HWND dialog,
                                                const std::string& path,
                                                const Answerer& answer = AnswerYes);
    // Cancel pressed in the dialog: the installer ends with 2 without another message.
    static void CancelDialog(Process& installer, HWND dialog);

    // The whole run: start, Yes, the path typed into the path field, Install pressed, every later
    // message answered with answer. The messages after Install; the exit code is kept for
    // ExitCode.
    std::vector<Message> Install(const std::string& path, const Answerer& answer = AnswerYes);
    // The exit code of the last Install; nothing when it did not end.
    std::optional<DWORD> ExitCode() const { return m_exitCode; }

    // True once no process of programs (file names without a path, in any case) that started
    // during this test runs any more, within kRunLimit; a test failure naming those that run on
    // otherwise.
    bool WaitUntilEnded(const std::vector<std::string>& programs) const;

    // Checks that an installation into dir (ending in a backslash) is complete: the five files
    // byte for byte, the fourteen registry values of the layout and the installer's own exactly.
    static void ExpectInstalled(const std::string& dir);
    static void ExpectFilesInstalled(const std::string& dir);
    static void ExpectRegistryInstalled(const std::string& dir);

private:
    // Sets the machine's value key\name to text, or deletes it when text is empty; the key is made
    // either way.
    static void RecordText(const char* key, const char* name, const std::string& text);

    FILETIME m_began{};
    std::string m_scratch;
    std::optional<DWORD> m_exitCode;
    std::string m_desktop;
    std::unique_ptr<testdriver::SavedValue> m_savedDesktop;
    std::vector<std::unique_ptr<testdriver::SavedTree>> m_savedTrees;
};

// The texts of the messages, for comparing a whole conversation.
std::vector<std::string> Texts(const std::vector<Message>& messages);

} // namespace install
