// Re-installing over an earlier installation: its own uninstaller removes it silently first, and
// nothing of the new installation may be lost to what that uninstaller leaves running.

#include "tests/install/InstallTest.h"

#include <tlhelp32.h>

#include <thread>

using namespace install;

namespace {

const char* const kComplete = "Installation complete.";
const char* const kReinstall =
    "Zembra 1.0 has already been detected on your system.\nWould you like to re-install?";

class Reinstall : public InstallerTest {};

// The processes whose program file is name.
int CountProcesses(const char* name) {
    int count = 0;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        count += lstrcmpiA(entry.szExeFile, name) == 0;
    CloseHandle(snapshot);
    return count;
}

} // namespace

TEST_F(Reinstall, YesRunsTheOldUninstallerAndWaitsForIt) {
    CreateDesktopFolder();
    const std::string dir = InstallFolder();
    ASSERT_EQ(Texts(Install(dir)), std::vector<std::string>{kComplete});
    // A file of the user's in the old folder: the old uninstaller leaves it, and its removal
    // script therefore leaves the folder.
    const std::string own = dir + "Mine.zembra";
    ASSERT_TRUE(CloseHandle(CreateFileA(own.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr)));
    // The old installation also had the user's settings, which its uninstaller removes.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Zembra", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(Texts(Install(dir)), (std::vector<std::string>{kReinstall, kComplete}));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Zembra"))
        << "the old uninstaller did not run";
    EXPECT_TRUE(FileExists(own));
    EXPECT_EQ(CountProcesses("Uninstall.exe"), 0);
    ExpectInstalled(dir);
    EXPECT_TRUE(FileExists(ShortcutPath()));
}

TEST_F(Reinstall, HigherVersionAnsweredYesIsReplaced) {
    CreateDesktopFolder();
    const std::string dir = InstallFolder();
    ASSERT_EQ(Texts(Install(dir)), std::vector<std::string>{kComplete});
    RecordVersion("2.0");
    EXPECT_EQ(Texts(Install(dir)),
              (std::vector<std::string>{"A higher version of Zembra is already installed on your "
                                        "system.\nWould you like to replace is with Zembra 1.0",
                                        kComplete}));
    ExpectInstalled(dir);
}

TEST_F(Reinstall, TwentyTimesInARowKeepsEveryFileAndValue) {
    CreateDesktopFolder();
    const std::string dir = InstallFolder();
    ASSERT_EQ(Texts(Install(dir)), std::vector<std::string>{kComplete});
    for (int round = 1; round <= 20; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_EQ(Texts(Install(dir)), (std::vector<std::string>{kReinstall, kComplete}));
        ExpectInstalled(dir);
        ASSERT_TRUE(FileExists(ShortcutPath()));
        // Install has waited until every process of the run had ended, the old uninstaller's
        // removal script included; a while later everything is still in place.
        std::this_thread::sleep_for(milliseconds(round == 20 ? 3000 : 1000));
        ExpectInstalled(dir);
        if (HasFailure())
            break;
    }
}

namespace {

// An earlier installation whose uninstaller is the probe, which leaves a removal script of the
// kind mode names running after it has ended.
class ReinstallOverProbe : public Reinstall {
protected:
    ReinstallOverProbe() {
        CreateDesktopFolder();
        RecordVersion("1.0");
    }
    ~ReinstallOverProbe() override {
        SetEnvironmentVariableA("ZEMBRA_PROBE_MODE", nullptr);
        SetEnvironmentVariableA("ZEMBRA_PROBE_COPY", nullptr);
    }

    // Starts the installer, answers Yes to the re-install; the messages once it has ended.
    std::vector<Message> ReinstallWith(std::optional<Process>& installer, const char* mode,
                                       const std::string& oldUninstaller) {
        RecordUninstaller(oldUninstaller);
        SetEnvironmentVariableA("ZEMBRA_PROBE_MODE", mode);
        SetEnvironmentVariableA("ZEMBRA_PROBE_COPY", (Scratch() + "script.exe").c_str());
        HWND dialog = nullptr;
        installer.emplace(StartToDialog(dialog));
        if (dialog == nullptr)
            return {};
        SetControlText(dialog, 1002, InstallFolder());
        Click(dialog, IDOK);
        return Converse(*installer, AnswerYes);
    }
};

} // namespace

TEST_F(ReinstallOverProbe, AStuckOldRemovalScriptHoldsTheInstallationUpAFewSecondsAtMost) {
    std::optional<Process> installer;
    EXPECT_EQ(Texts(ReinstallWith(installer, "stuck",
                                  testdriver::WindowsPathOf(ZEMBRA_OLD_UNINSTALLER_PROBE_PATH))),
              (std::vector<std::string>{kReinstall, kComplete}));
    // The installation ended while what the old uninstaller left behind still runs.
    EXPECT_EQ(CountProcesses("old_uninstaller_probe.exe"), 1);
    ExpectInstalled(InstallFolder());
    ASSERT_TRUE(installer.has_value());
    EXPECT_TRUE(installer->TerminateProcessTree());
}

TEST_F(ReinstallOverProbe, NothingIsWrittenUntilTheOldRemovalScriptHasEnded) {
    // The old uninstaller lies where the new one goes; its script deletes that name once more a
    // moment after the old file is gone.
    CreateFolders(InstallFolder());
    const std::string old = InstallFolder() + "Uninstall.exe";
    ASSERT_TRUE(CopyFileA(testdriver::WindowsPathOf(ZEMBRA_OLD_UNINSTALLER_PROBE_PATH).c_str(),
                          old.c_str(), FALSE));
    std::optional<Process> installer;
    EXPECT_EQ(Texts(ReinstallWith(installer, "slow", old)),
              (std::vector<std::string>{kReinstall, kComplete}));
    ASSERT_TRUE(installer.has_value());
    EXPECT_TRUE(installer->WaitForProcessTree(kWindowLimit));
    ExpectInstalled(InstallFolder());
}
