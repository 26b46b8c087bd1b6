// The installer driven as a person would: its questions, its dialog, a first installation and
// the decision on an installed version.

#include "tests/install/InstallTest.h"

#include "tests/driver/Control.h"
#include "tests/driver/Messages.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/Window.h"

#include <aclapi.h>
#include <commctrl.h>
#include <sddl.h>

#include <cstring>
#include <tuple>

using namespace install;

namespace {

// The show command as the link file stores it (the link object always reports 1 under Wine).
std::optional<std::uint32_t> StoredShowCommand(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes || bytes->size() < 0x40)
        return std::nullopt;
    std::uint32_t show = 0;
    std::memcpy(&show, bytes->data() + 0x3C, sizeof show);
    return show;
}

// True while the path field has the keyboard focus with its whole text selected.
bool PathFieldSelected(HWND dialog) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui) ||
        gui.hwndFocus != GetDlgItem(dialog, 1002))
        return false;
    DWORD start = 1, end = 0;
    SendMessageA(GetDlgItem(dialog, 1002), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == ControlText(dialog, 1002).size();
}

class InstallFlow : public InstallerTest {};

} // namespace

TEST_F(InstallFlow, TheFolderOfferedIsZembraInProgramFilesWhereverTheSystemKeepsThem) {
    const char* const versionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
    const testdriver::SavedValue saved(HKEY_LOCAL_MACHINE, versionKey, "ProgramFilesDir");
    const std::string elsewhere = Scratch() + "Programs Elsewhere";
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Program Files", "C:\\Program Files\\Zembra\\"},
        {elsewhere, elsewhere + "\\Zembra\\"},
    };
    for (const auto& [programFiles, offered] : cases) {
        SCOPED_TRACE(programFiles);
        ASSERT_TRUE(
            testdriver::SetString(HKEY_LOCAL_MACHINE, versionKey, "ProgramFilesDir", programFiles));
        HWND dialog = nullptr;
        Process installer = StartToDialog(dialog);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(ControlText(dialog, 1002), offered);
        CancelDialog(installer, dialog);
    }
}

TEST_F(InstallFlow, DialogOffersTheDefaultFolderSelectedInTheFocusedPathField) {
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(testdriver::WindowText(dialog), "Install Zembra 1.0");
    EXPECT_EQ(ControlText(dialog, 1002), "C:\\Program Files\\Zembra\\");
    EXPECT_EQ(ControlText(dialog, 1003), "Zembra 1.0 runs on Windows 7, 8, 8.1, 10 and 11.");
    EXPECT_EQ(ControlText(dialog, IDOK), "&Install");
    EXPECT_EQ(ControlText(dialog, IDCANCEL), "&Cancel");
    EXPECT_EQ(ControlText(dialog, 1001), "&Browse...");
    EXPECT_TRUE(PathFieldSelected(dialog));
    EXPECT_NE(testdriver::SaveScreenshot(dialog, "installer-dialog"), "");
    CancelDialog(installer, dialog);
}

TEST_F(InstallFlow, FirstInstallationWritesEveryValueFileAndTheShortcut) {
    CreateDesktopFolder();
    const std::string dir = InstallFolder();
    const auto messages = Install(dir);
    EXPECT_EQ(Texts(messages), std::vector<std::string>{kComplete});
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(0));
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().caption, "Install Zembra 1.0");
    // Owned by the install dialog, the main window, though it is hidden by then.
    EXPECT_TRUE(messages.back().ownedByDialog);
    EXPECT_FALSE(messages.back().dialogVisible);
    ExpectInstalled(dir);
    const Link link = ReadLink(ShortcutPath()).value_or(Link{});
    EXPECT_EQ(std::tie(link.target, link.workingDirectory, link.description, link.arguments,
                       link.itemTarget),
              std::make_tuple(dir + "Zembra.exe", dir,
                              std::string("Runs and edits message box (.zembra) files."),
                              std::string(), Wide(dir + "Zembra.exe")));
    EXPECT_EQ(StoredShowCommand(ShortcutPath()), std::optional<std::uint32_t>(SW_SHOW));
}

TEST_F(InstallFlow, PathWithoutBackslashGetsOneAppended) {
    CreateDesktopFolder();
    std::string dir = InstallFolder();
    dir.pop_back();
    EXPECT_EQ(Texts(Install(dir)), std::vector<std::string>{kComplete});
    ExpectInstalled(dir + "\\");
}

// A folder typed in another script than the ANSI code page's is taken whole from the path field.
TEST_F(InstallFlow, APathFieldInAnyScriptInstallsIntoThatFolder) {
    CreateDesktopFolder();
    const std::wstring folder =
        Wide(Scratch()) + L"Zembra \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac\\";
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog);
    ASSERT_NE(dialog, nullptr);
    SendMessageW(GetDlgItem(dialog, 1002), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    Click(dialog, IDOK);
    EXPECT_EQ(Texts(Converse(installer, AnswerYes)), std::vector<std::string>{kComplete});
    EXPECT_EQ(installer.WaitForExit(kWindowLimit), std::optional<DWORD>(0));
    EXPECT_EQ(GetWideString(HKEY_LOCAL_MACHINE, kProductKey, "Path"), folder);
    EXPECT_NE(GetFileAttributesW((folder + L"Zembra.exe").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(RemoveInstalledFolder(folder));
}

TEST_F(InstallFlow, WithoutTheSharedDesktopTheShortcutFailsAndInstallationIsIncomplete) {
    const std::string dir = InstallFolder();
    const auto messages = Install(dir);
    // The missing folder: the path of the link file cannot be found.
    EXPECT_EQ(Texts(messages),
              (std::vector<std::string>{kSaveFailed + SystemText(0x80070003), kIncomplete}));
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(1));
    ExpectInstalled(dir);
    EXPECT_FALSE(FileExists(ShortcutPath()));
}

TEST_F(InstallFlow, CancelEscAndTheCloseBoxChangeNothingAndExitWithTwo) {
    const std::vector<RegistrySnapshot> before = ProductState();
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"Cancel", [](HWND dialog) { Click(dialog, IDCANCEL); }},
        {"Esc", [](HWND dialog) { EXPECT_TRUE(testdriver::SendKey(dialog, VK_ESCAPE)); }},
        {"close box", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }},
    };
    for (const auto& [name, close] : ways) {
        SCOPED_TRACE(name);
        HWND dialog = nullptr;
        Process installer = StartToDialog(dialog);
        ASSERT_NE(dialog, nullptr);
        SetControlText(dialog, 1002, InstallFolder());
        close(dialog);
        EXPECT_TRUE(Converse(installer, AnswerYes).empty());
        EXPECT_EQ(installer.WaitForExit(kWindowLimit), std::optional<DWORD>(2));
        EXPECT_FALSE(FolderExists(InstallFolder()));
        EXPECT_EQ(ProductState(), before);
    }
}

TEST_F(InstallFlow, NoToTheStartQuestionEndsTheProgramWithTwo) {
    Process installer = Process::Start("\"" + InstallerPath() + "\"");
    const auto messages = Converse(installer, AnswerNo);
    EXPECT_EQ(Texts(messages), std::vector<std::string>{kStartQuestion});
    EXPECT_EQ(FindInstallDialog(installer.Id()), nullptr);
    EXPECT_EQ(installer.WaitForExit(kWindowLimit), std::optional<DWORD>(2));
}

TEST_F(InstallFlow, OnlyAFullPathNeitherARootNorALinkIsAcceptedOtherwiseTheDialogStaysOpen) {
    // Started in the scratch folder, where a relative path would land.
    const std::string fullPathRequired = "Please enter a full path to install to.";
    const std::string driveRoot = "Please choose a folder, not the root of a drive.";
    const std::string link = Scratch() + "Link";
    const std::string linkRefused =
        "The folder " + link + " is a link to another place. Please choose another folder.";
    CreateFolders(Scratch() + "Elsewhere");
    ASSERT_TRUE(testdriver::MakeFolderLink(link, Scratch() + "Elsewhere"));
    const std::pair<std::string, std::string> cases[] = {
        {"", fullPathRequired},
        {"Zembra", fullPathRequired},
        {"C:", fullPathRequired},
        {"\\Zembra", fullPathRequired},
        {"C:Zembra", fullPathRequired},
        {"C:\\", driveRoot},
        {"C:\\Windows\\..", driveRoot},
        {"\\\\server\\share\\", driveRoot},
        {link, linkRefused},
        {link + "\\Zembra", linkRefused},
    };
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog, InstallerPath(), Scratch());
    ASSERT_NE(dialog, nullptr);
    for (const auto& [path, refusal] : cases) {
        SCOPED_TRACE("\"" + path + "\"");
        SetControlText(dialog, 1002, path);
        Click(dialog, IDOK);
        const HWND box = testdriver::WaitForBox(installer, kWindowLimit);
        ASSERT_NE(box, nullptr) << "no warning";
        const auto warning = testdriver::ReadBox(box);
        ASSERT_TRUE(warning.has_value());
        EXPECT_EQ(warning->caption, "Install Zembra 1.0");
        EXPECT_EQ(warning->text, refusal);
        EXPECT_EQ(warning->ButtonIds(), std::vector<int>{IDOK});
        EXPECT_EQ(warning->icon, testdriver::BoxIcon::Warning);
        EXPECT_EQ(warning->owner, dialog);
        EXPECT_TRUE(testdriver::PressButton(box, IDOK));
        EXPECT_TRUE(testdriver::WaitUntilNoBox(installer, kWindowLimit));
        EXPECT_TRUE(testdriver::WaitUntil([&] { return PathFieldSelected(dialog); }, kWindowLimit));
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(ControlText(dialog, 1002), path);
    }
    CancelDialog(installer, dialog);
    ExpectProductTreesGone();
    for (const std::string& folder :
         {Scratch() + "Zembra", std::string("C:\\Zembra"), Scratch() + "Elsewhere\\Zembra"})
        EXPECT_FALSE(FolderExists(folder)) << folder;
    EXPECT_FALSE(FileExists("C:\\Zembra.exe"));
    EXPECT_TRUE(testdriver::FileNamesIn(Scratch() + "Elsewhere\\").empty());
}

TEST_F(InstallFlow, EnterInThePathFieldInstalls) {
    CreateDesktopFolder();
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog);
    ASSERT_NE(dialog, nullptr);
    SetControlText(dialog, 1002, InstallFolder());
    EXPECT_TRUE(testdriver::SendKey(dialog, VK_RETURN));
    EXPECT_EQ(Texts(Converse(installer, AnswerYes)), std::vector<std::string>{kComplete});
    ExpectInstalled(InstallFolder());
}

TEST_F(InstallFlow, BrowseCancelledLeavesThePathAndConfirmedTakesTheFolder) {
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog);
    ASSERT_NE(dialog, nullptr);
    // An existing folder, which the picker preselects.
    std::string folder = Scratch() + "Picked Folder";
    CreateFolders(folder);
    SetControlText(dialog, 1002, folder);
    for (const int button : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(button == IDOK ? "confirmed" : "cancelled");
        Click(dialog, 1001);
        const HWND picker = testdriver::WaitForWindowWhere(
            installer, [&](HWND window) { return window != dialog; }, kWindowLimit);
        ASSERT_NE(picker, nullptr) << "no folder picker";
        EXPECT_EQ(GetWindow(picker, GW_OWNER), dialog);
        // Answered once the picker shows its folders, and, where it is confirmed, its
        // preselection. (Under Wine the first picker of a session at times shows no selection
        // at all; cancelled, it needs none.)
        const HWND tree = testdriver::WaitFor(
            [&]() -> HWND {
                for (HWND control : testdriver::Descendants(picker)) {
                    if (testdriver::ClassOf(control) == "SysTreeView32")
                        return control;
                }
                return nullptr;
            },
            kWindowLimit);
        EXPECT_TRUE(testdriver::WaitUntil(
            [&] {
                return button == IDOK ? testdriver::TreeSelection(tree) == "Picked Folder"
                                      : testdriver::Ask(tree, TVM_GETCOUNT).value_or(0) > 0;
            },
            kWindowLimit))
            << testdriver::TreeSelection(tree).value_or("(no selection)");
        PostMessageA(picker, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(picker, button)));
        EXPECT_TRUE(testdriver::WaitUntil([&] { return !IsWindow(picker); }, kWindowLimit));
        EXPECT_EQ(ControlText(dialog, 1002), folder);
    }
    SetControlText(dialog, 1002, "C:\\Some Other Place");
    CancelDialog(installer, dialog);
}

namespace {

struct VersionCase {
    const char* recorded; // empty: no "Version" value
    const char* question; // nullptr: installed at once
};

const VersionCase kVersionCases[] = {
    {"", nullptr},     {"0.9", nullptr},     {"1.0", kReinstall},
    {"1", kReinstall}, {"1.00", kReinstall}, {"1.0abc", kReinstall},
    {"2.0", kHigher},  {"1.5", kHigher},     {"text", nullptr},
};

} // namespace

TEST_F(InstallFlow, RecordedVersionDecidesWhetherToAskAndNoInstallsNothing) {
    CreateDesktopFolder();
    // An old uninstaller that does not exist: running it would show the removal message.
    RecordUninstaller(Scratch() + "No Such Folder\\Uninstall.exe");
    for (const VersionCase& c : kVersionCases) {
        SCOPED_TRACE(std::string("Version \"") + c.recorded + "\"");
        RecordVersion(c.recorded);
        const auto messages = Install(InstallFolder(), AnswerNo);
        if (c.question == nullptr) {
            EXPECT_EQ(Texts(messages), std::vector<std::string>{kComplete});
            EXPECT_EQ(ExitCode(), std::optional<DWORD>(0));
            ExpectFilesInstalled(InstallFolder());
        } else {
            EXPECT_EQ(Texts(messages), std::vector<std::string>{c.question});
            EXPECT_EQ(ExitCode(), std::optional<DWORD>(2));
            EXPECT_FALSE(FolderExists(InstallFolder()));
            EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".zembra"));
        }
        RemoveTree(InstallFolder());
        DeleteProductTrees();
        RecordUninstaller(Scratch() + "No Such Folder\\Uninstall.exe");
    }
}

namespace {

// The owner and the entries of a file's or folder's access list where the system keeps them.
struct AccessList {
    bool ownerIsAdministrators = false;
    bool isProtected = false;
    std::vector<std::pair<std::string, DWORD>> entries; // the SID as text, the access mask
};

std::optional<AccessList> ReadAccessList(const std::string& path) {
    PSID owner = nullptr;
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                              nullptr, &list, nullptr, &descriptor) != ERROR_SUCCESS)
        return std::nullopt;
    AccessList read;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    read.isProtected = (control & SE_DACL_PROTECTED) != 0;
    char* text = nullptr;
    if (ConvertSidToStringSidA(owner, &text)) {
        read.ownerIsAdministrators = std::string(text) == "S-1-5-32-544";
        LocalFree(text);
    }
    for (DWORD i = 0; list != nullptr && i < list->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        if (GetAce(list, i, reinterpret_cast<void**>(&ace)) &&
            ConvertSidToStringSidA(&ace->SidStart, &text)) {
            read.entries.emplace_back(text, ace->Mask);
            LocalFree(text);
        }
    }
    LocalFree(descriptor);
    return read;
}

bool UnderWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

} // namespace

TEST_F(InstallFlow, TheNewFolderEveryFileAndTheShortcutCarryTheProtectedAccessList) {
    if (UnderWine())
        GTEST_SKIP() << "Wine keeps no access list: it reads one back made from the Unix "
                        "permissions, whatever was set; this test reads the lists on Windows";
    CreateDesktopFolder();
    const std::string dir = InstallFolder();
    ASSERT_EQ(Texts(Install(dir)), std::vector<std::string>{kComplete});
    const std::vector<std::pair<std::string, DWORD>> expected = {{"S-1-5-18", FILE_ALL_ACCESS},
                                                                 {"S-1-5-32-544", FILE_ALL_ACCESS},
                                                                 {"S-1-5-32-545", 0x1200a9}};
    std::vector<std::string> paths = {dir};
    for (const PayloadSource& file : PayloadSources())
        paths.push_back(dir + file.fileName);
    paths.push_back(ShortcutPath());
    for (const std::string& path : paths) {
        const auto list = ReadAccessList(path);
        ASSERT_TRUE(list.has_value()) << path;
        EXPECT_TRUE(list->ownerIsAdministrators) << path;
        EXPECT_TRUE(list->isProtected) << path;
        EXPECT_EQ(list->entries, expected) << path;
    }
}
