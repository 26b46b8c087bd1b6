// The uninstaller's removal steps one by one, against Wine's real file system and registry: what
// each reports and whether it tells of a failure; and the program file's resources.

#include "framework/CodePage.h"
#include "framework/MessageBox.h"
#include "framework/UniqueHandle.h"
#include "support/RegistryKey.h"
#include "tests/driver/Resources.h"
#include "tests/uninstall/Installation.h"
#include "uninstaller/Uninstaller.h"
#include "uninstaller/UninstallerApp.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
CUninstallerApp* g_app = nullptr;
} // namespace

// The application object of a test that runs the whole flow.
CUninstallerApp& GetUninstallerApp() {
    return *g_app;
}

namespace uninstalltest {
namespace {

class UninstallStepsTest : public testing::Test {
protected:
    // The one message shown since the last call, if any; it is then forgotten.
    std::optional<std::string> TakeReport() {
        std::vector<ShownMessage>& shown = m_messages.Shown();
        EXPECT_LE(shown.size(), 1u);
        std::optional<std::string> text;
        if (!shown.empty()) {
            EXPECT_EQ(shown[0].type, static_cast<unsigned>(MB_ICONERROR));
            text = shown[0].text;
        }
        shown.clear();
        return text;
    }

    RegistryGuard m_registry;
    MessageRecorder m_messages;
};

TEST_F(UninstallStepsTest, DeleteProductFileTellsAMissingFolderFromAMissingFile) {
    const std::string file = TempFolder() + "Zembra step " + std::to_string(GetCurrentProcessId());
    const std::string inMissingFolder = TempFolder() + "no such Zembra folder\\Help.htm";
    ASSERT_TRUE(WriteFileBytes(file, "x"));
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {file, std::nullopt}, // deleted
        {file, std::nullopt}, // already gone: no error
        {inMissingFolder,
         "Could not delete file: \"" + inMissingFolder + "\"\n" + SystemText(ERROR_PATH_NOT_FOUND)},
    };
    for (const auto& [path, report] : cases) {
        const bool deleted = DeleteProductFile(path);
        EXPECT_FALSE(FileExists(path));
        EXPECT_EQ(TakeReport(), report) << path;
        EXPECT_EQ(deleted, !report.has_value()) << path;
    }
}

TEST_F(UninstallStepsTest, DeleteRegistryTreeReportsAFailureWithTheRootsText) {
    // A path naming the root itself is refused rather than emptying the root.
    EXPECT_FALSE(DeleteRegistryTree({RegistryRoot::LocalMachine, "\\"}));
    EXPECT_EQ(TakeReport(), "Unable to delete registry key:\nHKEY_LOCAL_MACHINE\\\\\n" +
                                SystemText(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software"));
}

// A folder named in another script than the ANSI code page's: "Path" read whole through the wide
// functions, and its files deleted.
TEST_F(UninstallStepsTest, AFolderOfAnyScriptIsFoundAndEmptied) {
    const std::wstring folder = ToWide(CP_ACP, TempFolder()) +
                                L"Zembra \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac " +
                                std::to_wstring(GetCurrentProcessId()) + L"\\";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    RegistryKey(HKEY_LOCAL_MACHINE, "Software\\Zembra").SetWideString("Path", folder);
    const std::string path = GetInstallPath();
    EXPECT_EQ(path, FromWide(CP_UTF8, folder));
    EXPECT_EQ(TakeReport(), std::nullopt);
    const std::wstring help = folder + L"Help.htm";
    ASSERT_TRUE(
        FileHandle(CreateFileW(help.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
    EXPECT_TRUE(DeleteProductFile(path + "Help.htm"));
    EXPECT_EQ(GetFileAttributesW(help.c_str()), INVALID_FILE_ATTRIBUTES);
    // A failure names the file whole.
    const std::string missing = path + "Missing\\Help.htm";
    EXPECT_FALSE(DeleteProductFile(missing));
    EXPECT_EQ(TakeReport(), "Could not delete file: \"" + missing + "\"\n" +
                                AnsiToUtf8(SystemText(ERROR_PATH_NOT_FOUND)));
    EXPECT_TRUE(RemoveDirectoryW(folder.c_str()));
}

// The file type goes from the machine's own classes, where the installer keeps it; a user's own
// registration of the extension is the user's and stays.
TEST_F(UninstallStepsTest, DeleteRegistryKeysRemovesTheFileTypeFromTheMachinesClassesOnly) {
    const char* const kUsers = "Software\\Classes\\.zembra";
    const SavedTree usersOwn(HKEY_CURRENT_USER, kUsers);
    ASSERT_TRUE(SetString(HKEY_CURRENT_USER, kUsers, "", "Mine.Document"));
    ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, "Software\\Classes\\.zembra\\ShellNew", "FileName",
                          "C:\\Zembra\\New MessageBox.zembra"));
    ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, "Software\\Classes\\Zembra.Document\\DefaultIcon", "",
                          "C:\\Zembra\\FileType Icon.ico"));
    EXPECT_TRUE(DeleteRegistryKeys());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Classes\\.zembra"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Classes\\Zembra.Document"));
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kUsers, ""), "Mine.Document");
    EXPECT_EQ(TakeReport(), std::nullopt);
}

TEST_F(UninstallStepsTest, GetInstallPathReportsAMissingOrEmptyPath) {
    const std::string kNotFound = "Program installation path could not be found.\n";
    const std::tuple<std::optional<std::string>, std::string, std::optional<std::string>> cases[] =
        {
            {"C:\\Zembra here\\", "C:\\Zembra here\\", std::nullopt},
            // A folder recorded without its backslash still names the files inside it.
            {"C:\\Zembra here", "C:\\Zembra here\\", std::nullopt},
            {"", "", kNotFound + SystemText(ERROR_SUCCESS)},
            {std::nullopt, "", kNotFound + SystemText(ERROR_FILE_NOT_FOUND)},
        };
    for (const auto& [stored, path, report] : cases) {
        SCOPED_TRACE(stored.value_or("(no value)"));
        DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Zembra");
        if (stored) {
            ASSERT_TRUE(SetString(HKEY_LOCAL_MACHINE, "Software\\Zembra", "Path", *stored));
        }
        EXPECT_EQ(GetInstallPath(), path);
        EXPECT_EQ(TakeReport(), report);
        if (report) {
            // Without the folder no file is touched, and the files' step fails after that report.
            EXPECT_FALSE(DeleteProductFiles());
            EXPECT_EQ(TakeReport(), report);
        }
    }
}

namespace {
std::vector<std::string> g_reports;
// Fails to show any question, as when the system refuses the box; records every other message.
int FailAtQuestions(const std::string& text, const std::string&, unsigned type) {
    if ((type & MB_TYPEMASK) != MB_OK)
        throw std::runtime_error("the question could not be shown");
    g_reports.push_back(text);
    return IDOK;
}
} // namespace

TEST_F(UninstallStepsTest, AnExceptionStopsTheRunIncompleteWithTheFinalReport) {
    CUninstallerApp app;
    g_app = &app;
    g_reports.clear();
    SetMessageHandler(FailAtQuestions);
    EXPECT_FALSE(app.InitInstance());
    g_app = nullptr;
    EXPECT_EQ(g_reports, std::vector<std::string>{"Zembra 1.0 was not completely removed."});
    EXPECT_EQ(app.ExitInstance(), 1);
}

// The program file's resources as the system and Explorer read them. (Its version's numbers and
// texts are read, with every program's, by ProgramFiles.NameTheProductVersionAndRightsTheyNeed.)
TEST(UninstallerFile, CarriesItsIconAManifestAskingForAdministratorAndItsVersion) {
    const auto module = testdriver::ProgramResources::Load(BuiltUninstallerPath());
    ASSERT_TRUE(module.has_value());
    EXPECT_FALSE(module->Bytes(RT_GROUP_ICON, MAKEINTRESOURCEA(101)).empty());
    EXPECT_NE(
        module->Bytes(RT_MANIFEST, MAKEINTRESOURCEA(1)).find("level=\"requireAdministrator\""),
        std::string::npos);
    EXPECT_FALSE(module->Bytes(RT_VERSION, MAKEINTRESOURCEA(1)).empty());
}

} // namespace
} // namespace uninstalltest
