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

// The uninstaller's other texts are read back from its boxes and reports by the Windows tests; this
// question is asked only of a user who is not an administrator, which those tests never are, and
// an empty description cannot be brought about there.
TEST(UninstallerText, FixedMessagesReadAsTheUserSeesThem) {
    EXPECT_STREQ(kNotAdministratorQuestion,
                 "You are currently not logged in as an administrator.\n"
                 "You may not be able to uninstall this program unless you login as an "
                 "administrator.\nContinue anyway?");
}

TEST(UninstallerText, ComposedMessagesKeepAnEmptyDescriptionEmpty) {
    EXPECT_EQ(InstallPathMessage(""), "Program installation path could not be found.\n");
    EXPECT_EQ(DeleteFileMessage("x", ""), "Could not delete file: \"x\"\n");
}

} // namespace
