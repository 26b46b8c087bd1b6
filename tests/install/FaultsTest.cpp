// Failures during an installation: each is reported, and the installation goes on.

#include "tests/install/InstallTest.h"

using namespace install;

namespace {

// The all-users desktop exists unless a test moves it.
class InstallFaults : public InstallerTest {
protected:
    InstallFaults() { CreateDesktopFolder(); }
};

} // namespace

TEST_F(InstallFaults, MissingParentFolderChangesNothingAtAll) {
    // An earlier installation, which must not be removed for a folder that cannot be made.
    RecordVersion("1.0");
    const std::string dir = Scratch() + "Missing Parent\\Zembra\\";
    const std::vector<RegistrySnapshot> before = ProductState();
    const auto messages = Install(dir);
    EXPECT_EQ(Texts(messages), (std::vector<std::string>{"Could not create directory.\n" +
                                                             SystemText(ERROR_PATH_NOT_FOUND),
                                                         kIncomplete}));
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(2));
    EXPECT_FALSE(FolderExists(dir));
    EXPECT_FALSE(FileExists(ShortcutPath()));
    // Neither removed nor written: no value names the folder, nor was the old one's run.
    EXPECT_EQ(ProductState(), before);
}

TEST_F(InstallFaults, LockedFileIsReportedByItsNameAloneAndTheOthersAreWritten) {
    const std::string dir = InstallFolder();
    CreateFolders(dir);
    const std::string locked = dir + "Help.htm";
    testdriver::OwnedHandle file(CreateFileA(locked.c_str(), GENERIC_WRITE, 0, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    const auto messages = Install(dir);
    file.Reset();
    EXPECT_EQ(Texts(messages),
              (std::vector<std::string>{"The file \"Help.htm\" could not be written.\n" +
                                            FileExceptionText(ERROR_SHARING_VIOLATION) +
                                            "Attempting to continue installation.",
                                        kIncomplete}));
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(1));
    for (const PayloadSource& source : PayloadSources()) {
        if (source.fileName == "Help.htm")
            continue;
        EXPECT_EQ(ReadFileBytes(dir + source.fileName), ReadFileBytes(source.sourcePath))
            << source.fileName;
    }
    EXPECT_EQ(ReadFileBytes(locked), std::optional<std::string>(""));
}

TEST_F(InstallFaults, MissingOldUninstallerIsReportedAndInstallationContinues) {
    RecordVersion("1.0");
    RecordUninstaller(Scratch() + "Gone\\Uninstall.exe");
    const auto messages = Install(InstallFolder());
    const std::vector<std::string> texts = Texts(messages);
    // The shell tells of the missing file itself (in a box of its own caption) before the
    // installer's message.
    ASSERT_EQ(texts.size(), 4u) << testing::PrintToString(messages);
    EXPECT_EQ(texts[0], kReinstall);
    EXPECT_NE(messages[1].caption, "Install Zembra 1.0");
    EXPECT_EQ(texts[2], kNotRemoved);
    // A failed removal alone does not make the installation incomplete.
    EXPECT_EQ(texts[3], kComplete);
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(0));
    // The installer's messages are owned by its dialog, visible until the installation's end.
    EXPECT_TRUE(messages[0].ownedByDialog && messages[0].dialogVisible);
    EXPECT_TRUE(messages[2].ownedByDialog && messages[2].dialogVisible);
    ExpectInstalled(InstallFolder());
}

TEST_F(InstallFaults, AShortcutNameThatLinksToAnotherFileIsRefusedAndTheOtherFileKept) {
    const std::string other = Scratch() + "other.txt";
    ASSERT_TRUE(testdriver::WriteFileBytes(other, "another file"));
    ASSERT_TRUE(CreateHardLinkA(ShortcutPath().c_str(), other.c_str(), nullptr));
    const auto messages = Install(InstallFolder());
    EXPECT_EQ(
        Texts(messages),
        (std::vector<std::string>{
            kSaveFailed + SystemText(HRESULT_FROM_WIN32(ERROR_CANT_ACCESS_FILE)), kIncomplete}));
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(1));
    EXPECT_EQ(ReadFileBytes(other), std::optional<std::string>("another file"));
    ExpectInstalled(InstallFolder());
}

TEST_F(InstallFaults, LinkPathTooLongForTheShortcutIsReportedAsAFailedShortcut) {
    // The shared desktop's path fits in MAX_PATH characters, the link's path within it does not.
    MoveDesktop(Scratch() + std::string(254 - Scratch().size(), 'd') + "\\");
    const auto messages = Install(InstallFolder());
    EXPECT_EQ(Texts(messages),
              (std::vector<std::string>{
                  kSaveFailed + SystemText(HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE)),
                  kIncomplete}));
    EXPECT_EQ(ExitCode(), std::optional<DWORD>(1));
    ExpectInstalled(InstallFolder());
}
