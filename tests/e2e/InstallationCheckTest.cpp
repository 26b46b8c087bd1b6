// Every start compares the installation record with the running program and warns once on a
// mismatch; the run goes on and its exit code is still the box's.

#include "tests/e2e/E2e.h"

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
        Process zembra = StartZembra("RUN \"" + m_document + "\"");
        HWND box = testdriver::WaitForBox(zembra, kBoxLimit);
        auto contents = testdriver::ReadBox(box);
        ASSERT_TRUE(contents);
        if (warned) {
            EXPECT_EQ(contents->caption, "Zembra");
            EXPECT_EQ(contents->text, kWarning);
            EXPECT_EQ(contents->icon, testdriver::BoxIcon::Error);
            EXPECT_EQ(contents->ButtonTexts(), std::vector<std::string>{"OK"});
            EXPECT_TRUE(testdriver::PressButton(box, IDOK));
            HWND next = testdriver::WaitForNextBox(zembra, box, kBoxLimit);
            contents = testdriver::ReadBox(next);
            ASSERT_TRUE(contents);
            box = next;
        }
        EXPECT_EQ(contents->caption, "Box");
        EXPECT_EQ(contents->text, "Designed");
        EXPECT_TRUE(testdriver::PressButton(box, IDNO));
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
    const std::string content = ReadFileBytes(log).value_or("");
    const std::string expected = "-> Checking core registry settings.\r\n";
    const std::size_t at = content.find(expected);
    ASSERT_NE(at, std::string::npos) << content;
    const std::size_t next = content.find("-> ", at + expected.size());
    const std::size_t after = content.find("-> ", next + 3);
    EXPECT_EQ(content.substr(next, content.find("\r\n", next) - next),
              "-> Invalid/missing core registry keys.");
    EXPECT_EQ(content.substr(after, content.find("\r\n", after) - after),
              std::string("-> ") +
                  "Program path/version mismatch.\\nConsider re-installing the application.\\n"
                  "See the help file for more information.");
}
