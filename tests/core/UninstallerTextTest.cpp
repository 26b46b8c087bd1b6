#include "uninstaller/core/UninstallerText.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace uninstaller;

TEST(IsSilentCommandLine, IsTrueOnlyForTheExactWord) {
    const std::tuple<const char*, bool> cases[] = {
        {"Silent", true},    {"silent", false},  {"SILENT", false},     {"Silent ", false},
        {" Silent", false},  {"/Silent", false}, {"\"Silent\"", false}, {"Silentx", false},
        {"Silent x", false}, {"", false},
    };
    for (const auto& [commandLine, silent] : cases)
        EXPECT_EQ(IsSilentCommandLine(commandLine), silent) << "[" << commandLine << "]";
}

// The uninstaller's other fixed texts are read back from its boxes by the end-to-end tests; this
// question is asked only of a user who is not an administrator, which those tests never are.
TEST(UninstallerText, FixedMessagesReadAsTheUserSeesThem) {
    EXPECT_STREQ(kNotAdministratorQuestion,
                 "You are currently not logged in as an administrator.\n"
                 "You may not be able to uninstall this program unless you login as an "
                 "administrator.\nContinue anyway?");
}

TEST(UninstallerText, ComposedMessagesJoinTheirPartsWithoutSeparators) {
    EXPECT_EQ(InstallPathMessage("File not found.\r\n"),
              "Program installation path could not be found.\nFile not found.\r\n");
    EXPECT_EQ(DeleteFileMessage("C:\\Z 1\\Help.htm", "Sharing violation.\r\n"),
              "Could not delete file: \"C:\\Z 1\\Help.htm\"\nSharing violation.\r\n");
    EXPECT_EQ(DeleteKeyMessage("HKEY_CLASSES_ROOT\\", ".zembra\\", "Access denied.\r\n"),
              "Unable to delete registry key:\nHKEY_CLASSES_ROOT\\.zembra\\\nAccess denied.\r\n");
    EXPECT_EQ(WriteScriptMessage("Path not found."),
              "Could not write batch file.\nPath not found.");
}

TEST(UninstallerText, ComposedMessagesKeepAnEmptyDescriptionEmpty) {
    EXPECT_EQ(InstallPathMessage(""), "Program installation path could not be found.\n");
    EXPECT_EQ(DeleteFileMessage("x", ""), "Could not delete file: \"x\"\n");
}

} // namespace
