// The installer's portable decisions: the recorded version as strtod reads it, the three-way
// decision, the install directory and the texts of its messages.

#include "installer/core/CommandLine.h"
#include "installer/core/FolderCheck.h"
#include "installer/core/InstallFolder.h"
#include "installer/core/InstalledVersion.h"
#include "installer/core/InstallerTexts.h"
#include "installer/core/Payload.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <tuple>

namespace {

struct VersionCase {
    const char* recorded;
    double value;
    InstallDecision decision;
};

const VersionCase kVersionCases[] = {
    // What a missing key or value reads as (the default text).
    {"0.0", 0.0, InstallDecision::InstallAtOnce},
    {"0.9", 0.9, InstallDecision::InstallAtOnce},
    {"1.0", 1.0, InstallDecision::AskReinstall},
    {"1", 1.0, InstallDecision::AskReinstall},
    {"1.00", 1.0, InstallDecision::AskReinstall},
    {"1.0abc", 1.0, InstallDecision::AskReinstall},
    {"1.", 1.0, InstallDecision::AskReinstall},
    {"10e-1", 1.0, InstallDecision::AskReinstall},
    {" \t1.0", 1.0, InstallDecision::AskReinstall},
    {"+1.0", 1.0, InstallDecision::AskReinstall},
    // An exponent letter without digits is not part of the number.
    {"1e", 1.0, InstallDecision::AskReinstall},
    {"1e+", 1.0, InstallDecision::AskReinstall},
    {"1.0.1", 1.0, InstallDecision::AskReinstall},
    // The comma is not a decimal separator, whatever the user's language.
    {"1,5", 1.0, InstallDecision::AskReinstall},
    {"1.5", 1.5, InstallDecision::AskReplaceHigher},
    {"2.0", 2.0, InstallDecision::AskReplaceHigher},
    {"1.0000001", 1.0000001, InstallDecision::AskReplaceHigher},
    {".5", 0.5, InstallDecision::InstallAtOnce},
    {"0.99999", 0.99999, InstallDecision::InstallAtOnce},
    {"-1.0", -1.0, InstallDecision::InstallAtOnce},
    // Text that does not begin with a decimal number reads as 0.0.
    {"text", 0.0, InstallDecision::InstallAtOnce},
    {"v1.0", 0.0, InstallDecision::InstallAtOnce},
    {".", 0.0, InstallDecision::InstallAtOnce},
    {"-", 0.0, InstallDecision::InstallAtOnce},
    {"", 0.0, InstallDecision::InstallAtOnce},
    {"0x1", 0.0, InstallDecision::InstallAtOnce},
    {"inf", 0.0, InstallDecision::InstallAtOnce},
    {"nan", 0.0, InstallDecision::InstallAtOnce},
    // Huge numbers are higher versions.
    {"1e999", std::numeric_limits<double>::infinity(), InstallDecision::AskReplaceHigher},
};

TEST(InstalledVersion, ReadsTheLeadingDecimalNumberAndDecides) {
    for (const VersionCase& c : kVersionCases) {
        SCOPED_TRACE(std::string("\"") + c.recorded + "\"");
        const double value = ParseInstalledVersion(c.recorded);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(DecideInstall(value), c.decision);
    }
}

TEST(InstalledVersion, AValueThatComparesNeitherWayIsTreatedAsHigher) {
    // Only a higher version is replaced after asking; nothing unreadable is installed over at once.
    EXPECT_EQ(DecideInstall(std::nan("")), InstallDecision::AskReplaceHigher);
}

TEST(IsFullPath, AcceptsADriveWithItsBackslashOrAServersShareOnly) {
    const std::pair<const char*, bool> cases[] = {
        {"C:\\Program Files\\Zembra\\", true},
        {"d:\\Apps", true},
        {"C:\\", true},
        {"\\\\server\\share\\Zembra", true},
        {"\\\\server\\share", true},
        {"", false},
        {"Zembra", false},
        {"Program Files\\Zembra", false},
        {"C:", false},
        {"C:Zembra", false},
        {"\\Zembra", false},
        {"C:/Zembra", false},
        {"1:\\Zembra", false},
        {"\\\\server", false},
        {"\\\\server\\", false},
        {"\\\\\\share", false},
        {"\\\\.\\C:\\Zembra", false},
        {"\\\\?\\C:\\Zembra", false},
    };
    for (const auto& [path, full] : cases)
        EXPECT_EQ(installer::IsFullPath(path), full) << "[" << path << "]";
}

TEST(PreviousUninstaller, IsNeverAProgramNamedWithoutItsFolder) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"C:\\Old\\Uninstall.exe", "D:\\Other\\", "C:\\Old\\Uninstall.exe"},
        {"\"C:\\My Apps\\Uninstall.exe\"", "D:\\Other\\", "C:\\My Apps\\Uninstall.exe"},
        {"C:\\My Apps\\Uninstall.exe", "D:\\Other\\", "C:\\My Apps\\Uninstall.exe"},
        {"\"C:\\My Apps\\Uninstall.exe\" Silent", "", "C:\\My Apps\\Uninstall.exe"},
        // Unclosed, or quoting a name without its folder: the recorded folder's instead.
        {"\"C:\\My Apps\\Uninstall.exe", "D:\\Other\\", "D:\\Other\\Uninstall.exe"},
        {"\"Uninstall.exe\"", "D:\\Other\\", "D:\\Other\\Uninstall.exe"},
        {"", "D:\\Other\\", "D:\\Other\\Uninstall.exe"},
        {"", "D:\\Other", "D:\\Other\\Uninstall.exe"},
        {"Uninstall.exe", "D:\\Other\\", "D:\\Other\\Uninstall.exe"},
        {"Uninstall.exe", "Other\\", ""},
        {"", "", ""},
    };
    for (const auto& [uninstallString, path, started] : cases)
        EXPECT_EQ(installer::PreviousUninstaller(uninstallString, path), started)
            << "[" << uninstallString << "] [" << path << "]";
}

TEST(InstallerCommandLine, ReadsTheSwitchesInAnyCaseAndTheFolderAsTheRestOfTheLine) {
    struct Case {
        const char* commandLine;
        bool silent;
        std::optional<std::string> folder;
        const char* logFile = "";
        const char* unknown = "";
    };
    const Case cases[] = {
        {"", false, std::nullopt},
        {"/S", true, std::nullopt},
        {"  /s\t", true, std::nullopt},
        {"/S /D=C:\\Program Files\\Zembra Deploy", true, "C:\\Program Files\\Zembra Deploy"},
        {"/d=D:\\My  Apps\\ /S \t ", false, "D:\\My  Apps\\ /S"},
        {"/S /D=\"C:\\Quoted\"", true, "\"C:\\Quoted\""},
        {"/D=", false, ""},
        {"/LOG=C:\\x.log /S", true, std::nullopt, "C:\\x.log"},
        {"/log=\"C:\\my logs\\x.log\" /s /D=C:\\Z", true, "C:\\Z", "C:\\my logs\\x.log"},
        {"/S /LOG=", true, std::nullopt, "", "/LOG="},
        {"/Silent /X", false, std::nullopt, "", "/Silent"},
        {"Zembra /S", true, std::nullopt, "", "Zembra"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("[") + c.commandLine + "]");
        const installer::InstallerCommandLine parsed =
            installer::ParseInstallerCommandLine(c.commandLine);
        EXPECT_EQ(parsed.silent, c.silent);
        EXPECT_EQ(parsed.folder, c.folder);
        EXPECT_EQ(parsed.logFile, c.logFile);
        EXPECT_EQ(parsed.unknown, c.unknown);
    }
}

// A file not written is shown on screen by the installer's tests; a resource that does not load
// cannot be brought about there.
TEST(PayloadMessages, NameTheFileAloneNeverItsFolder) {
    EXPECT_EQ(installer::ResourceNotLoadedMessage("C:\\My Dir\\Zembra.exe", "Not found.\r\n"),
              "The resource \"Zembra.exe\" could not be loaded.\nNot found.\r\n"
              "Attempting to continue installation.");
}

using Verdict = installer::FolderCheck::Verdict;
constexpr std::uint32_t kFolder = installer::kAttributeDirectory;
constexpr std::uint32_t kLink = installer::kAttributeDirectory | installer::kAttributeReparsePoint;
constexpr std::uint32_t kFile = 0x20;

// A machine whose disk holds C:\Program Files, a junction C:\Apps, a file C:\file.txt, and on a
// share \\server\share\Tools; "C:\Zembra" holds a folder that is a symbolic link.
std::optional<std::uint32_t> Attributes(const std::string& path) {
    const std::pair<const char*, std::uint32_t> disk[] = {
        {"C:\\Program Files", kFolder},
        {"C:\\Program Files\\Zembra", kFolder},
        {"C:\\Apps", kLink},
        {"C:\\Apps\\Zembra", kFolder},
        {"C:\\file.txt", kFile},
        {"C:\\Zembra", kFolder},
        {"C:\\Zembra\\Linked", kLink},
        {"\\\\server\\share\\Tools", kFolder},
    };
    for (const auto& [name, attributes] : disk) {
        if (path == name)
            return attributes;
    }
    return std::nullopt;
}

} // namespace

TEST(CheckInstallFolder, DecidesFromTheAttributesOfEveryFolderOnTheWay) {
    struct Case {
        const char* dir;
        Verdict verdict;
        const char* where;
        unsigned long error;
        bool exists;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Zembra\\", Verdict::Usable, "", 0, true},
        {"C:\\Program Files\\New\\", Verdict::Usable, "", 0, false},
        {"C:\\New\\", Verdict::Usable, "", 0, false},
        {"\\\\server\\share\\Tools\\Zembra\\", Verdict::Usable, "", 0, false},
        {"C:\\", Verdict::DriveRoot, "", 0, false},
        {"d:\\", Verdict::DriveRoot, "", 0, false},
        {"\\\\server\\share\\", Verdict::DriveRoot, "", 0, false},
        {"\\\\server\\share", Verdict::DriveRoot, "", 0, false},
        // The link itself, and any folder under it, is named by the link.
        {"C:\\Apps\\", Verdict::Link, "C:\\Apps", 0, false},
        {"C:\\Apps\\Zembra\\", Verdict::Link, "C:\\Apps", 0, false},
        {"C:\\Apps\\New\\Zembra\\", Verdict::Link, "C:\\Apps", 0, false},
        {"C:\\Zembra\\Linked\\", Verdict::Link, "C:\\Zembra\\Linked", 0, false},
        // A missing parent, a file on the way, a file in the folder's place.
        {"C:\\NoSuchParent\\Zembra\\", Verdict::CannotBeMade, "C:\\NoSuchParent", 3, false},
        {"C:\\Program Files\\A\\B\\", Verdict::CannotBeMade, "C:\\Program Files\\A", 3, false},
        {"C:\\file.txt\\Zembra\\", Verdict::CannotBeMade, "C:\\file.txt", 267, false},
        {"C:\\file.txt\\", Verdict::CannotBeMade, "C:\\file.txt", 183, false},
    };
    for (const Case& c : cases) {
        const installer::FolderCheck check = installer::CheckInstallFolder(c.dir, Attributes);
        EXPECT_EQ(check.verdict, c.verdict) << c.dir;
        EXPECT_EQ(check.where, c.where) << c.dir;
        EXPECT_EQ(check.error, c.error) << c.dir;
        EXPECT_EQ(check.exists, c.exists) << c.dir;
    }
}

TEST(CheckInstallFolder, OnlyADriveRootAndALinkAreRefusedBeforehandALinkByItsPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\", "Please choose a folder, not the root of a drive."},
        {"C:\\Apps\\Zembra\\",
         "The folder C:\\Apps is a link to another place. Please choose another folder."},
        {"C:\\NoSuchParent\\Zembra\\", ""},
        {"C:\\Program Files\\Zembra\\", ""},
    };
    for (const auto& [dir, refusal] : cases)
        EXPECT_EQ(installer::RefusalOf(installer::CheckInstallFolder(dir, Attributes)), refusal)
            << dir;
}
