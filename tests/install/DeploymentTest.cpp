// Deployment to many machines: the installer run from the command line as deployment tools run
// it, without any window, its log and exit codes, and the removal command it leaves in the entry
// of the list of installed programs.

#include "tests/driver/Box.h"
#include "tests/install/InstallTest.h"

using namespace install;

namespace {

const std::string kDefaultFolder = "C:\\Program Files\\Zembra\\";
const std::string kDeployFolder = "C:\\Program Files\\Zembra Deploy\\";

class Deployment : public InstallerTest {
protected:
    Deployment() { CreateDesktopFolder(); }
    ~Deployment() override {
        RemoveTree(kDefaultFolder);
        RemoveTree(kDeployFolder);
    }

    // Runs the installer with arguments in the scratch folder, as a deployment tool would, and
    // fails the test when any of its processes shows a window. The exit code.
    std::optional<DWORD> Deploy(const std::string& arguments) {
        return RunUnseen("\"" + InstallerPath() + "\" " + arguments);
    }
    std::optional<DWORD> RunUnseen(const std::string& commandLine) {
        SCOPED_TRACE(commandLine);
        return Watch(Process::Start(commandLine, Scratch()));
    }
    // The same for a command line in UTF-16, run in the test's own current folder.
    static std::optional<DWORD> RunUnseen(const std::wstring& commandLine) {
        testdriver::CapturedOutput output;
        return Watch(Process::Start(commandLine, output));
    }
    static std::optional<DWORD> Watch(Process run) {
        const testdriver::WatchedRun watched = testdriver::WatchUntilTreeEnds(run, kRunLimit);
        EXPECT_TRUE(watched.ended) << "the run did not end";
        EXPECT_EQ(watched.windows, std::vector<std::string>{});
        return run.WaitForExit(milliseconds(0));
    }

    // Installs silently into folder, then removes it through the entry's quiet command.
    void DeployAndRemoveQuietly(const std::string& folder) {
        EXPECT_EQ(Deploy("/S /D=" + folder), std::optional<DWORD>(0));
        ExpectInstalled(folder);
        const auto command = GetString(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString");
        ASSERT_TRUE(command.has_value());
        EXPECT_EQ(RunUnseen(*command), std::optional<DWORD>(0));
        EXPECT_FALSE(FolderExists(folder));
    }
};

struct DeployCase {
    const char* name;
    const char* recordedVersion; // empty: none
    // "<log>" stands for the quoted log file.
    std::string arguments;
    DWORD exitCode;
    std::string installedIn; // empty: nothing may change
    const char* logged;      // a message the log must hold
};

const DeployCase kDeployCases[] = {
    {"DefaultFolder", "", "/S /LOG=<log>", 0, kDefaultFolder, "Installation complete."},
    {"GivenFolderWithBlanks", "", "/S /LOG=<log> /D=C:\\Program Files\\Zembra Deploy", 0,
     kDeployFolder, "Installation complete."},
    {"SwitchesInAnyCaseOverAnOlderVersion", "0.9",
     "/s /log=<log> /d=C:\\Program Files\\Zembra Deploy  ", 0, kDeployFolder,
     "Installation complete."},
    {"HigherVersionIsKept", "2.0", "/S /LOG=<log> /D=C:\\Program Files\\Zembra Deploy", 2, "",
     "A higher version is installed; a silent run does not replace it."},
    {"RelativeFolder", "", "/LOG=<log> /S /D=Zembra Deploy", 2, "",
     "Please enter a full path to install to."},
    {"UnknownSwitch", "", "/S /LOG=<log> /Q", 2, "", "Unknown argument: /Q"},
    // Folders refused before anything changes: no registry value may name them.
    {"DriveRoot", "", "/S /LOG=<log> /D=C:\\", 2, "",
     "Please choose a folder, not the root of a drive."},
    {"ShareRoot", "", "/S /LOG=<log> /D=\\\\server\\share\\", 2, "",
     "Please choose a folder, not the root of a drive."},
    {"MissingParent", "", "/S /LOG=<log> /D=C:\\NoSuchParent\\Zembra", 2, "",
     "Could not create directory."},
    {"UnderALink", "1.0", "/S /LOG=<log> /D=<scratch>Link\\Zembra", 2, "",
     "The folder <scratch>Link is a link to another place. Please choose another folder."},
    {"ALink", "", "/S /LOG=<log> /D=<scratch>Link", 2, "",
     "The folder <scratch>Link is a link to another place. Please choose another folder."},
};

// text with every "<scratch>" replaced by scratch.
std::string WithScratch(std::string text, const std::string& scratch) {
    for (std::size_t at = text.find("<scratch>"); at != std::string::npos;
         at = text.find("<scratch>", at + scratch.size()))
        text.replace(at, 9, scratch);
    return text;
}

} // namespace

TEST_F(Deployment, SilentRunsShowNothingAndEndWithTheirExitCodeAndLog) {
    const std::string log = Scratch() + "deploy log.txt";
    const std::string elsewhere = Scratch() + "Elsewhere\\";
    CreateFolders(elsewhere);
    ASSERT_TRUE(testdriver::MakeFolderLink(Scratch() + "Link", elsewhere));
    for (const DeployCase& c : kDeployCases) {
        SCOPED_TRACE(c.name);
        RecordVersion(c.recordedVersion);
        const std::vector<RegistrySnapshot> before = ProductState();
        std::string arguments = WithScratch(c.arguments, Scratch());
        arguments.replace(arguments.find("<log>"), 5, "\"" + log + "\"");
        EXPECT_EQ(Deploy(arguments), std::optional<DWORD>(c.exitCode));
        if (c.installedIn.empty()) {
            EXPECT_EQ(ProductState(), before);
            for (const std::string& folder :
                 {kDeployFolder, Scratch() + "Zembra Deploy", std::string("C:\\NoSuchParent")})
                EXPECT_FALSE(FolderExists(folder)) << folder;
            EXPECT_TRUE(testdriver::FileNamesIn(elsewhere).empty());
            EXPECT_FALSE(FolderExists(elsewhere + "Zembra"));
        } else {
            ExpectInstalled(c.installedIn);
        }
        const std::string text = ReadFileBytes(log).value_or("");
        EXPECT_NE(text.find(WithScratch(c.logged, Scratch())), std::string::npos) << text;
        EXPECT_NE(text.find("Exit code " + std::to_string(c.exitCode) + ".\r\n"), std::string::npos)
            << text;
        for (std::size_t at = text.find('\n'); at != std::string::npos;
             at = text.find('\n', at + 1))
            EXPECT_TRUE(at >= 2 && text[at - 1] == '\r' && text[at - 2] != '\r')
                << "a line does not end in one CR LF at " << at;
        DeleteFileA(log.c_str());
        RemoveTree(kDefaultFolder);
        RemoveTree(kDeployFolder);
        DeleteProductTrees();
    }
}

TEST_F(Deployment, ALogThatIsAHardLinkToAnotherFileEndsTheRunAndLeavesThatFile) {
    const std::string other = Scratch() + "precious.txt";
    const std::string log = Scratch() + "link log.txt";
    const std::string precious = "Not the installer's to write.\r\n";
    ASSERT_TRUE(testdriver::WriteFileBytes(other, precious));
    ASSERT_TRUE(CreateHardLinkA(log.c_str(), other.c_str(), nullptr));
    const std::vector<RegistrySnapshot> before = ProductState();
    EXPECT_EQ(Deploy("/S /LOG=\"" + log + "\" /D=" + InstallFolder()), std::optional<DWORD>(2));
    EXPECT_EQ(ReadFileBytes(other), std::optional<std::string>(precious));
    EXPECT_EQ(ProductState(), before);
    EXPECT_FALSE(FolderExists(InstallFolder()));

    // A log file of its own is emptied before the run writes to it.
    ASSERT_TRUE(DeleteFileA(log.c_str()));
    ASSERT_TRUE(testdriver::WriteFileBytes(log, std::string(100000, 'x')));
    EXPECT_EQ(Deploy("/S /LOG=\"" + log + "\" /D=" + InstallFolder()), std::optional<DWORD>(0));
    const std::string text = ReadFileBytes(log).value_or("");
    EXPECT_EQ(text.find("Install Zembra 1.0, command line: "), 21u) << text.substr(0, 200);
    EXPECT_EQ(text.find("xxxxxxxx"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(other), std::optional<std::string>(precious));
}

TEST_F(Deployment, SilentAgainReinstallsAndNothingIsLostAfterwards) {
    EXPECT_EQ(Deploy("/S"), std::optional<DWORD>(0));
    ExpectInstalled(kDefaultFolder);
    // The old installation's user settings, which its uninstaller removes.
    ASSERT_TRUE(testdriver::CreateKey(HKEY_CURRENT_USER, "Software\\Zembra"));
    EXPECT_EQ(Deploy("/S"), std::optional<DWORD>(0));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Zembra"))
        << "the old uninstaller did not run";
    // Once nothing of the old uninstallation runs anywhere, its removal script included.
    ASSERT_TRUE(WaitUntilEnded(kUninstallationPrograms));
    ExpectInstalled(kDefaultFolder);
}

TEST_F(Deployment, TheQuietUninstallCommandRemovesEverythingWithoutABox) {
    ASSERT_NO_FATAL_FAILURE(DeployAndRemoveQuietly(InstallFolder()));
    EXPECT_FALSE(FileExists(ShortcutPath()));
    ExpectProductTreesGone();
}

// A folder whose name the command interpreter would expand: the removal script still reaches it,
// and the removal leaves neither the folder nor a command interpreter behind (the run is watched
// until every process it started has ended).
TEST_F(Deployment, ASilentRemovalLeavesNoFolderOfAnyNameBehind) {
    const std::string folder = "C:\\Program Files\\Zembra 100%\\";
    ASSERT_NO_FATAL_FAILURE(DeployAndRemoveQuietly(folder));
    RemoveTree(folder);
}

// A folder named in scripts the ANSI code page does not hold: the installer takes it from /D=,
// writes its files there, names it whole in the registry and the shortcut, and the silent
// removal through the entry's command leaves nothing of it.
TEST_F(Deployment, AFolderNamedInAnyScriptIsInstalledAndRemovedWhole) {
    const std::wstring folder =
        L"C:\\Program Files\\Zembra \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac\\";
    const std::string log = Scratch() + "any script.log";
    EXPECT_EQ(RunUnseen(L"\"" + Wide(InstallerPath()) + L"\" /S /LOG=\"" + Wide(log) + L"\" /D=" +
                        folder),
              std::optional<DWORD>(0));
    // The log keeps the ANSI code page and names each character it lacks.
    const std::string logged = ReadFileBytes(log).value_or("");
    const std::string greek = "C:\\Program Files\\Zembra "
                              "<U+0395><U+03BB><U+03BB><U+03B7><U+03BD><U+03B9><U+03BA><U+03AC>\\";
    for (const std::string& line : {"command line: /S /LOG=\"" + log + "\" /D=" + greek,
                                    "Folder " + greek + ": done.", "Files in " + greek + ": done."})
        EXPECT_NE(logged.find(line), std::string::npos) << line << "\n" << logged;
    EXPECT_EQ(logged.find('?'), std::string::npos) << logged;
    for (const PayloadSource& file : PayloadSources())
        EXPECT_NE(GetFileAttributesW((folder + Wide(file.fileName)).c_str()),
                  INVALID_FILE_ATTRIBUTES)
            << file.fileName;
    EXPECT_EQ(GetWideString(HKEY_LOCAL_MACHINE, kProductKey, "Path"), folder);
    EXPECT_EQ(GetWideString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon"),
              folder + L"Zembra.exe");
    EXPECT_EQ(GetWideString(HKEY_LOCAL_MACHINE,
                            "Software\\Classes\\Zembra.Document\\Shell\\Open\\Command", ""),
              L"\"" + folder + L"Zembra.exe\" RUN \"%1\"");
    EXPECT_EQ(ReadLink(ShortcutPath()).value_or(Link{}).itemTarget, folder + L"Zembra.exe");
    const std::wstring quiet =
        GetWideString(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString").value_or(L"");
    ASSERT_EQ(quiet, L"\"" + folder + L"Uninstall.exe\" Silent");
    EXPECT_EQ(RunUnseen(quiet), std::optional<DWORD>(0));
    EXPECT_EQ(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW(Wide(ShortcutPath()).c_str()), INVALID_FILE_ATTRIBUTES);
    ExpectProductTreesGone();
    RemoveInstalledFolder(folder);
}

// A message naming a folder in another script than the ANSI code page's shows it whole.
TEST_F(Deployment, AMessageNamesAFolderOfAnyScriptWhole) {
    const std::wstring log =
        Wide(Scratch()) + L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac\\run.log";
    testdriver::CapturedOutput output;
    Process installer =
        Process::Start(L"\"" + Wide(InstallerPath()) + L"\" /LOG=\"" + log + L"\"", output);
    std::vector<std::wstring> shown;
    Converse(installer, [&](const testdriver::BoxContents& box) {
        shown.push_back(box.wideText);
        return 0;
    });
    const std::wstring notOpened = L"The log file " + log + L" could not be opened.\n" +
                                   Wide(SystemText(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(shown, std::vector<std::wstring>{notOpened});
    EXPECT_EQ(installer.WaitForExit(kWindowLimit), std::optional<DWORD>(2));
}

TEST_F(Deployment, WithoutSilentAnUnknownSwitchShowsTheUsageAndAFolderFillsThePathField) {
    Process unknown = Process::Start("\"" + InstallerPath() + "\" /Q");
    const auto messages = Converse(unknown, AnswerYes);
    ASSERT_EQ(messages.size(), 1u);
    const std::string usage = "Unknown argument: /Q\n\nUsage: \"Install Zembra 1.0.exe\" [/S] "
                              "[/LOG=FILE] [/D=FOLDER]\n";
    EXPECT_EQ(messages[0].text.substr(0, usage.size()), usage);
    EXPECT_EQ(unknown.WaitForExit(kWindowLimit), std::optional<DWORD>(2));

    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog, InstallerPath(), {}, "/D=D:\\My Apps\\Zembra");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, 1002), "D:\\My Apps\\Zembra");
    CancelDialog(installer, dialog);
}
