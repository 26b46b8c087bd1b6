// Running saved documents as a person or a script would: the box appears on its own and the
// pressed button's number comes back as the exit code.

#include "tests/e2e/E2e.h"

using namespace e2e;
using testdriver::BoxIcon;
using testdriver::Process;
using testdriver::WaitForBox;

namespace {

using Strings = std::vector<std::string>;

const Bytes kEmptyDocument = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 0x00, 0x00,
                              0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00};

class RunMode : public ZembraTest {
protected:
    static std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

    // Runs Zembra with RUN and arguments and reads the box it shows (see ReadShownBox).
    void Run(const std::string& arguments) {
        m_zembra.emplace(StartZembra("RUN " + arguments));
        ReadShownBox(*m_zembra);
    }

    // Presses button id on the box shown and returns the exit code.
    DWORD Press(int id) {
        EXPECT_TRUE(testdriver::PressButton(m_box, id));
        return ExitCode(*m_zembra);
    }

    std::optional<Process> m_zembra;
};

} // namespace

TEST_F(RunMode, EmptyDocumentShowsAnOwnerlessOkBoxAndOkExitsWithOne) {
    ASSERT_NO_FATAL_FAILURE(Run(Quoted(m_scratch.Write("empty.zembra", kEmptyDocument))));
    EXPECT_EQ(m_contents->caption, "");
    EXPECT_EQ(m_contents->text, "");
    EXPECT_EQ(m_contents->ButtonTexts(), Strings{"OK"});
    EXPECT_EQ(m_contents->icon, BoxIcon::None);
    EXPECT_EQ(m_contents->owner, nullptr);
    EXPECT_FALSE(m_contents->topmost);
    EXPECT_EQ(Press(IDOK), 1u);
}

// The pressed button's number is the exit code; system priority makes the box topmost.
TEST_F(RunMode, EveryButtonSetAndIconIsShownAsDesigned) {
    struct Case {
        std::uint32_t style;
        Strings buttons;
        int defaultButton;
        BoxIcon icon;
        int press;
    } cases[] = {
        {0x2000 | 0x30 | 4 | 0x100, {"Yes", "No"}, IDNO, BoxIcon::Warning, IDNO},
        {0x1000 | 0x10, {"OK"}, IDOK, BoxIcon::Error, IDOK},
        {0x2000 | 0x10 | 1, {"OK", "Cancel"}, IDOK, BoxIcon::Error, IDOK},
        {0x2000 | 0x20 | 2 | 0x200,
         {"Abort", "Retry", "Ignore"},
         IDIGNORE,
         BoxIcon::Question,
         IDIGNORE},
        {0x2000 | 0x40 | 3 | 0x100, {"Yes", "No", "Cancel"}, IDNO, BoxIcon::Information, IDYES},
        {0x2000 | 5, {"Retry", "Cancel"}, IDRETRY, BoxIcon::None, IDRETRY},
        {0x2000 | 2, {"Abort", "Retry", "Ignore"}, IDABORT, BoxIcon::None, IDABORT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        const std::string path =
            m_scratch.Write("set.zembra", Document("Disk", "Almost full.\nGo on?", c.style));
        ASSERT_NO_FATAL_FAILURE(Run(Quoted(path)));
        EXPECT_EQ(m_contents->caption, "Disk");
        EXPECT_EQ(m_contents->text, "Almost full.\nGo on?");
        EXPECT_EQ(m_contents->topmost, (c.style & 0x1000) != 0);
        EXPECT_EQ(m_contents->owner, nullptr);
        EXPECT_EQ(m_contents->ButtonTexts(), c.buttons);
        EXPECT_EQ(m_contents->defaultButton, c.defaultButton);
        EXPECT_EQ(m_contents->icon, c.icon);
        EXPECT_EQ(Press(c.press), static_cast<DWORD>(c.press));
    }
}

TEST_F(RunMode, EscapeOnABoxWithCancelExitsWithTwo) {
    const std::string path = m_scratch.Write("cancel.zembra", Document("Q", "Sure?", 0x2000 | 1));
    ASSERT_NO_FATAL_FAILURE(Run(Quoted(path)));
    EXPECT_TRUE(testdriver::SendKey(m_box, VK_ESCAPE));
    EXPECT_EQ(ExitCode(*m_zembra), 2u);
}

TEST_F(RunMode, RunAloneReportsAnEmptyFileNameAndExitsWithZero) {
    m_zembra.emplace(StartZembra("RUN"));
    ASSERT_NO_FATAL_FAILURE(ReadShownBox(*m_zembra));
    EXPECT_EQ(m_contents->caption, "Zembra");
    EXPECT_EQ(m_contents->text.rfind("Could not load file.\n\n", 0), 0u) << m_contents->text;
    EXPECT_GT(m_contents->text.size(), std::string("Could not load file.\n\n").size());
    EXPECT_EQ(m_contents->icon, BoxIcon::Error);
    EXPECT_EQ(m_contents->ButtonTexts(), Strings{"OK"});
    EXPECT_EQ(Press(IDOK), 0u);
}

TEST_F(RunMode, MissingAndCutFilesAreReportedAndExitWithZero) {
    const Bytes whole = Document("Caption", "Text", 0x2034);
    const std::string cut = m_scratch.Write("cut.zembra", Bytes(whole.begin(), whole.begin() + 13));
    const std::string missing = m_scratch.Path() + "missing.zembra";
    const std::string huge = m_scratch.Write(
        "huge.zembra", Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 0x01, 0x00,
                             0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'});
    for (const std::string& path : {cut, missing, huge}) {
        SCOPED_TRACE(path);
        ASSERT_NO_FATAL_FAILURE(Run(Quoted(path)));
        EXPECT_EQ(m_contents->caption, "Zembra");
        EXPECT_EQ(m_contents->text.rfind("Could not load file.\n" + path + "\n", 0), 0u)
            << m_contents->text;
        EXPECT_EQ(m_contents->icon, BoxIcon::Error);
        EXPECT_EQ(Press(IDOK), 0u);
    }
}

TEST_F(RunMode, OtherVersionAsksFirst) {
    const std::string path =
        m_scratch.Write("v2.zembra", Document("Later", "From the future", 0x2000 | 4, 2.0));
    const std::string question = "Zembra 1.0 may not be able to load Zembra 2.0 files.\n"
                                 "Attempt anyway?";
    ASSERT_NO_FATAL_FAILURE(Run(Quoted(path)));
    EXPECT_EQ(m_contents->caption, "Zembra");
    EXPECT_EQ(m_contents->text, question);
    EXPECT_EQ(m_contents->ButtonTexts(), (Strings{"Yes", "No"}));
    EXPECT_EQ(m_contents->icon, BoxIcon::Information);
    EXPECT_EQ(Press(IDNO), 0u);

    ASSERT_NO_FATAL_FAILURE(Run(Quoted(path)));
    EXPECT_TRUE(testdriver::PressButton(m_box, IDYES));
    ASSERT_NO_FATAL_FAILURE(ReadNextBox(*m_zembra));
    EXPECT_EQ(m_contents->caption, "Later");
    EXPECT_EQ(m_contents->text, "From the future");
    EXPECT_EQ(Press(IDYES), 6u);
}

TEST_F(RunMode, CommandLineFormsOfThePath) {
    const std::string path =
        m_scratch.Write("with blanks.zembra", Document("Blanks", "ok", 0x2000));
    Process unquoted = StartZembra("RUN " + path);
    EXPECT_EQ(Answer(unquoted, IDOK), 1u);
    Process blanks = StartZembra("RUN    " + Quoted(path));
    EXPECT_EQ(Answer(blanks, IDOK), 1u);

    // A blank after the closing quote keeps that quote in the name, and the open fails.
    ASSERT_NO_FATAL_FAILURE(Run(Quoted(path) + " "));
    EXPECT_EQ(m_contents->text.rfind("Could not load file.\n" + path + "\" \n", 0), 0u)
        << m_contents->text;
    EXPECT_EQ(Press(IDOK), 0u);
}

TEST_F(RunMode, OneDocumentRunsTwiceAtOnceAndCanBeSavedMeanwhile) {
    const std::string path = m_scratch.Write("twice.zembra", Document("Twice", "A", 0x2000 | 1));
    Process first = StartRun(path);
    Process second = StartRun(path);
    HWND firstBox = WaitForBox(first, kBoxLimit);
    HWND secondBox = WaitForBox(second, kBoxLimit);
    ASSERT_NE(firstBox, nullptr);
    ASSERT_NE(secondBox, nullptr);

    const Bytes changed = Document("Twice", "B", 0x2000 | 1);
    m_scratch.Write("twice.zembra", changed);
    EXPECT_EQ(ReadFileBytes(path), AsText(changed));

    EXPECT_TRUE(testdriver::PressButton(secondBox, IDCANCEL));
    EXPECT_TRUE(testdriver::PressButton(firstBox, IDOK));
    EXPECT_EQ(ExitCode(first), 1u);
    EXPECT_EQ(ExitCode(second), 2u);
}
