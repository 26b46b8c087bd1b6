// Re-installing over an earlier installation: its own uninstaller removes it silently first, and
// nothing of the new installation may be lost to what that uninstaller leaves running.

#include "tests/install/InstallTest.h"

#include "tests/driver/Poll.h"

#include <functional>
#include <thread>

using namespace install;

namespace {

// Every test re-installs over a first installation, with its shortcut.
class Reinstall : public InstallerTest {
protected:
    Reinstall() { CreateDesktopFolder(); }
    void InstallFirst() {
        ASSERT_EQ(Texts(Install(InstallFolder())), std::vector<std::string>{kComplete});
    }
};

// The processes whose program file is name.
int CountProcesses(const char* name) {
    int count = 0;
    for (const testdriver::ProcessEntry& process : testdriver::AllProcesses())
        count += lstrcmpiA(process.name.c_str(), name) == 0;
    return count;
}

} // namespace

TEST_F(Reinstall, YesRunsTheOldUninstallerAndWaitsForIt) {
    ASSERT_NO_FATAL_FAILURE(InstallFirst());
    const std::string dir = InstallFolder();
    // A file of the user's in the old folder: the old uninstaller leaves it, and its removal
    // script therefore leaves the folder.
    const std::string own = dir + "Mine.zembra";
    ASSERT_TRUE(testdriver::WriteFileBytes(own, ""));
    // The old installation also had the user's settings, which its uninstaller removes.
    ASSERT_TRUE(testdriver::CreateKey(HKEY_CURRENT_USER, "Software\\Zembra"));
    EXPECT_EQ(Texts(Install(dir)), (std::vector<std::string>{kReinstall, kComplete}));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Zembra"))
        << "the old uninstaller did not run";
    EXPECT_TRUE(FileExists(own));
    EXPECT_EQ(CountProcesses("Uninstall.exe"), 0);
    ExpectInstalled(dir);
    EXPECT_TRUE(FileExists(ShortcutPath()));
}

TEST_F(Reinstall, HigherVersionAnsweredYesIsReplaced) {
    ASSERT_NO_FATAL_FAILURE(InstallFirst());
    RecordVersion("2.0");
    EXPECT_EQ(Texts(Install(InstallFolder())), (std::vector<std::string>{kHigher, kComplete}));
    ExpectInstalled(InstallFolder());
}

TEST_F(Reinstall, TwentyTimesInARowKeepsEveryFileAndValue) {
    ASSERT_NO_FATAL_FAILURE(InstallFirst());
    const std::string dir = InstallFolder();
    for (int round = 1; round <= 20; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_EQ(Texts(Install(dir)), (std::vector<std::string>{kReinstall, kComplete}));
        ExpectInstalled(dir);
        ASSERT_TRUE(FileExists(ShortcutPath()));
        // Install has waited until every process of the run had ended; once nothing of the old
        // uninstallation runs anywhere, its removal script included, everything is still in place.
        ASSERT_TRUE(WaitUntilEnded(kUninstallationPrograms));
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
    ReinstallOverProbe() { RecordVersion("1.0"); }
    ~ReinstallOverProbe() override {
        for (const char* name : {"ZEMBRA_PROBE_MODE", "ZEMBRA_PROBE_COPY", "ZEMBRA_PROBE_RECORD"})
            SetEnvironmentVariableA(name, nullptr);
    }

    // The probe copied to path as an old uninstaller (its folder created when missing).
    static bool PlaceProbe(const std::string& path) {
        CreateFolders(path.substr(0, path.find_last_of('\\') + 1));
        return CopyFileA(testdriver::WindowsPathOf(ZEMBRA_OLD_UNINSTALLER_PROBE_PATH).c_str(),
                         path.c_str(), FALSE) != FALSE;
    }

    // Starts the installer, answers Yes to the re-install; the messages once it has ended.
    // meanwhile (when given) runs beside the installation, from Install on, with the dialog.
    std::vector<Message> ReinstallWith(std::optional<Process>& installer, const char* mode,
                                       const std::string& oldUninstaller,
                                       const std::function<void(HWND dialog)>& meanwhile = {}) {
        RecordUninstaller(oldUninstaller);
        SetEnvironmentVariableA("ZEMBRA_PROBE_MODE", mode);
        SetEnvironmentVariableA("ZEMBRA_PROBE_COPY", (Scratch() + "script.exe").c_str());
        HWND dialog = nullptr;
        installer.emplace(StartToDialog(dialog));
        if (dialog == nullptr)
            return {};
        std::thread beside;
        if (meanwhile)
            beside = std::thread([&] { meanwhile(dialog); });
        std::vector<Message> messages = InstallInDialog(*installer, dialog, InstallFolder());
        if (beside.joinable())
            beside.join();
        return messages;
    }

    // Re-installs over an old uninstaller that lies where the new one goes, its removal script of
    // the kind mode names: the run asks and completes as a re-install does.
    void ReinstallOverOwnPlace(std::optional<Process>& installer, const char* mode) {
        const std::string old = InstallFolder() + "Uninstall.exe";
        ASSERT_TRUE(PlaceProbe(old)) << old;
        EXPECT_EQ(Texts(ReinstallWith(installer, mode, old)),
                  (std::vector<std::string>{kReinstall, kComplete}));
    }
};

} // namespace

TEST_F(ReinstallOverProbe, AStuckOldRemovalScriptHoldsTheInstallationUpAFewSecondsAndIsEnded) {
    // While the old uninstallation runs and is waited for, the dialog answers at once, takes no
    // input, and a second Install (the button's click, as the window gets it) starts nothing.
    bool waiting = false, answered = false, disabled = false, stillWaiting = false;
    const auto whileWaiting = [&](HWND dialog) {
        waiting = testdriver::WaitUntil(
            [] { return CountProcesses("old_uninstaller_probe.exe") > 0; }, kRunLimit);
        DWORD_PTR result = 0;
        answered = SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
        disabled = !IsWindowEnabled(dialog);
        Click(dialog, IDOK);
        stillWaiting = CountProcesses("old_uninstaller_probe.exe") > 0;
    };
    std::optional<Process> installer;
    EXPECT_EQ(Texts(ReinstallWith(installer, "stuck",
                                  testdriver::WindowsPathOf(ZEMBRA_OLD_UNINSTALLER_PROBE_PATH),
                                  whileWaiting)),
              (std::vector<std::string>{kReinstall, kComplete}));
    ASSERT_TRUE(waiting);
    EXPECT_TRUE(stillWaiting) << "the old uninstallation had ended before the dialog was asked";
    EXPECT_TRUE(answered) << "the dialog did not answer within a second";
    EXPECT_TRUE(disabled);
    // Nothing the old uninstaller left behind runs on after the installation.
    EXPECT_EQ(CountProcesses("old_uninstaller_probe.exe"), 0);
    ExpectInstalled(InstallFolder());
}

TEST_F(ReinstallOverProbe, AnOldRemovalScriptStillRunningLaterCannotDeleteTheNewUninstaller) {
    // The old script deletes "Uninstall.exe" once more 9 seconds after the old one is gone.
    std::optional<Process> installer;
    ASSERT_NO_FATAL_FAILURE(ReinstallOverOwnPlace(installer, "late"));
    // Once the script has ended, whether it was ended or ran to its end.
    ASSERT_TRUE(WaitUntilEnded({"script.exe"}));
    ExpectInstalled(InstallFolder());
}

TEST_F(ReinstallOverProbe, OnlyTheRecordedInstallationsOwnUninstallerRunsNeverOneFoundByName) {
    // The installer lies in a downloads folder beside a program named "Uninstall.exe", and is
    // started there.
    const std::string downloads = Scratch() + "Downloads\\";
    const std::string oldFolder = Scratch() + "Old Zembra\\";
    const std::string oldUninstaller = oldFolder + "Uninstall.exe";
    ASSERT_TRUE(PlaceProbe(downloads + "Uninstall.exe"));
    ASSERT_TRUE(PlaceProbe(oldUninstaller));
    const std::string installerCopy = downloads + "Install Zembra 1.0.exe";
    ASSERT_TRUE(CopyFileA(InstallerPath().c_str(), installerCopy.c_str(), FALSE));
    const std::string record = Scratch() + "started.txt";
    SetEnvironmentVariableA("ZEMBRA_PROBE_MODE", "record");
    SetEnvironmentVariableA("ZEMBRA_PROBE_RECORD", record.c_str());
    struct Case {
        const char* name;
        std::string uninstallString; // empty: none
        std::string path;            // empty: none
        bool oldOneRuns;
    };
    const Case cases[] = {
        {"only Path recorded", "", oldFolder, true},
        {"nothing recorded", "", "", false},
        // As this version records it, and as earlier versions did, blanks and all.
        {"quoted UninstallString", "\"" + oldUninstaller + "\"", "", true},
        {"bare UninstallString", oldUninstaller, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(record.c_str());
        DeleteProductTrees();
        RecordVersion("1.0");
        RecordPath(c.path);
        RecordUninstaller(c.uninstallString);
        HWND dialog = nullptr;
        Process installer = StartToDialog(dialog, installerCopy, downloads);
        ASSERT_NE(dialog, nullptr);
        const std::vector<std::string> expected =
            c.oldOneRuns ? std::vector<std::string>{kReinstall, kComplete}
                         : std::vector<std::string>{kReinstall, kNotRemoved, kComplete};
        EXPECT_EQ(Texts(InstallInDialog(installer, dialog, InstallFolder())), expected);
        EXPECT_EQ(ReadFileBytes(record).value_or(""),
                  c.oldOneRuns ? oldUninstaller + "|Silent\r\n" : "");
        ExpectInstalled(InstallFolder());
    }
}

TEST_F(ReinstallOverProbe, NothingIsWrittenUntilTheOldRemovalScriptHasEnded) {
    // The old uninstaller lies where the new one goes; its script deletes that name once more a
    // moment after the old file is gone.
    std::optional<Process> installer;
    ASSERT_NO_FATAL_FAILURE(ReinstallOverOwnPlace(installer, "slow"));
    ASSERT_TRUE(installer.has_value());
    EXPECT_TRUE(installer->WaitForProcessTree(kWindowLimit));
    ExpectInstalled(InstallFolder());
}
