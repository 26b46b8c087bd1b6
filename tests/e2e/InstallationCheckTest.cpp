// Every start compares the installation record with the running program and warns once on a
// mismatch; the run goes on and its exit code is still the box's.

#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

using namespace e2e;
using testdriver::Process;

namespace {

const char* const kWarning = "Program path/version mismatch.\n"
                             "Consider re-installing the application.\n"
                             "See the help file for more information.";

class InstallationCheck : public ZembraTest {
protected:
    InstallationCheck() {
        m_document = m_scratch.Write("doc.zembra", Document("Box", "Designed", 0x2000 | 4));
    }

    // Runs the document; expects the warning first when warned, then answers the box with No.
    void ExpectRun(bool warned) {
        Process zembra = StartRun(m_document);
        ASSERT_NO_FATAL_FAILURE(ReadShownBox(zembra));
        if (warned) {
            EXPECT_EQ(m_contents->caption, "Zembra");
            EXPECT_EQ(m_contents->text, kWarning);
            EXPECT_EQ(m_contents->icon, testdriver::BoxIcon::Error);
            EXPECT_EQ(m_contents->ButtonTexts(), std::vector<std::string>{"OK"});
            EXPECT_TRUE(testdriver::PressButton(m_box, IDOK));
            ASSERT_NO_FATAL_FAILURE(ReadNextBox(zembra));
        }
        EXPECT_EQ(m_contents->caption, "Box");
        EXPECT_EQ(m_contents->text, "Designed");
        EXPECT_TRUE(testdriver::PressButton(m_box, IDNO));
        EXPECT_EQ(ExitCode(zembra), 7u);
    }

    std::string m_document;
};

std::string WithoutTrailingBackslash(std::string path) {
    path.pop_back();
    return path;
}

std::string InOtherCase(std::string path) {
    for (char& c : path)
        c = static_cast<char>(isupper(static_cast<unsigned char>(c)) ? tolower(c) : toupper(c));
    return path;
}

} // namespace

TEST_F(InstallationCheck, RecordOfThisProgramGivesNoWarning) {
    ExpectRun(false);
}

TEST_F(InstallationCheck, AnyDifferenceInPathOrVersionWarns) {
    const std::string folder = ZembraFolder();
    const std::pair<std::string, std::string> records[] = {
        {WithoutTrailingBackslash(folder), "1.0"},
        {InOtherCase(folder), "1.0"},
        {folder, "1.00"},
        {folder, "1"},
        {"C:\\Program Files\\Zembra\\", "1.0"},
    };
    for (const auto& [path, version] : records) {
        SCOPED_TRACE(path + " " + version);
        WriteInstallationRecord(path, version);
        ExpectRun(true);
    }
}

// A missing record warns before the box, and the mismatch is logged.
TEST_F(InstallationCheck, MissingRecordWarnsBeforeTheBoxAndIsLogged) {
    RemoveInstallationRecord();
    const std::string log = m_scratch.Path() + "log.txt";
    SetLogging(true, log, "65536");
    ExpectRun(true);
    EXPECT_TRUE(HasConsecutive(
        LogFileEntries(log),
        {"Checking core registry settings.", "Invalid/missing core registry keys.",
         "Program path/version mismatch.\\nConsider re-installing the application.\\n"
         "See the help file for more information."}));
}
