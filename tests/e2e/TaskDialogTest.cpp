// Documents with own button words or a countdown, run as a person or a script would: the box is a
// task dialog that answers with the numbers of the standard box of the same style word.

#include "tests/driver/TaskDialog.h"
#include "app/core/ZembraFormat.h"
#include "framework/core/AnsiCodePage.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Screenshot.h"
#include "tests/e2e/E2e.h"

using namespace e2e;
using testdriver::BoxIcon;
using testdriver::Process;
using testdriver::TaskDialogContents;

namespace {

using Strings = std::vector<std::string>;

Bytes DesignedDocument(const std::string& caption, const std::string& text, std::uint32_t style,
                       const BoxExtras& extras) {
    MessageBoxDesign design(AnsiToUnicode(caption), AnsiToUnicode(text), style);
    design.SetExtras(extras);
    return ZembraBytes(design);
}

const BoxExtras kRestartLaterNever = {{u"Restart now", u"Later", u"Never"}, std::nullopt, {}};

class TaskDialogRun : public ZembraTest {
protected:
    // Runs the document with RUN and reads the task dialog it shows into m_dialog and m_shown.
    void Run(const Bytes& document) {
        m_zembra.emplace(StartRun(m_scratch.Write("designed.zembra", document)));
        ReadTaskDialogOf(*m_zembra);
    }
    void ReadTaskDialogOf(const Process& zembra) {
        m_dialog = testdriver::WaitForTaskDialog(zembra, kBoxLimit);
        ASSERT_NE(m_dialog, nullptr) << "no task dialog appeared";
        m_shown = testdriver::ReadTaskDialog(m_dialog);
        ASSERT_TRUE(m_shown.has_value());
    }

    DWORD Press(int id) {
        EXPECT_TRUE(testdriver::PressButton(m_dialog, id));
        return ExitCode(*m_zembra);
    }

    std::optional<Process> m_zembra;
    HWND m_dialog = nullptr;
    std::optional<TaskDialogContents> m_shown;
};

} // namespace

TEST_F(TaskDialogRun, OwnWordsKeepTheSetsNumbersOrderAndDefault) {
    // Question, Yes/No/Cancel, second button default, System priority.
    ASSERT_NO_FATAL_FAILURE(Run(DesignedDocument("Updates", "Restart to finish?",
                                                 0x1000 | 0x20 | 3 | 0x100, kRestartLaterNever)));
    EXPECT_EQ(m_shown->title, "Updates");
    EXPECT_EQ(m_shown->content, "Restart to finish?");
    EXPECT_EQ(m_shown->ButtonTexts(), (Strings{"Restart now", "Later", "Never"}));
    EXPECT_EQ(m_shown->ButtonIds(), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    EXPECT_EQ(m_shown->defaultButton, IDNO);
    EXPECT_EQ(m_shown->icon, BoxIcon::Question);
    EXPECT_TRUE(m_shown->topmost);
    EXPECT_EQ(m_shown->footer, "");
    EXPECT_EQ(Press(IDYES), 6u);
}

TEST_F(TaskDialogRun, EachButtonAnswersItsNumber) {
    const struct {
        std::uint32_t style;
        BoxExtras extras;
        int press;
    } cases[] = {
        {0x2000 | 0x10 | 2, {{u"Stop", u"Again", u"Skip"}, std::nullopt, {}}, IDABORT},
        {0x2000 | 2, {{u"Stop", u"Again", u"Skip"}, std::nullopt, {}}, IDIGNORE},
        {0x2000 | 0x40 | 5, {{u"Again", u"Leave"}, std::nullopt, {}}, IDRETRY},
        {0x2000 | 1, {{u"Go", u"Stay"}, std::nullopt, {}}, IDCANCEL},
        {0x2000 | 0x30, {{u"Understood"}, std::nullopt, {}}, IDOK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.press);
        ASSERT_NO_FATAL_FAILURE(Run(DesignedDocument("Pick", "One of them.", c.style, c.extras)));
        EXPECT_FALSE(m_shown->topmost);
        EXPECT_EQ(Press(c.press), static_cast<DWORD>(c.press));
    }
}

// Both countdowns at once, each seen to count down before its answer ends the run.
TEST_F(TaskDialogRun, ACountdownShowsTheTimeLeftAndEndsWithItsAnswer) {
    const struct {
        std::uint32_t answer;
        DWORD exitCode;
    } cases[] = {{IDNO, 7}, {32000, 32000}};
    std::vector<Process> runs;
    for (const auto& c : cases) {
        const std::string path =
            m_scratch.Write("countdown " + std::to_string(c.answer) + ".zembra",
                            DesignedDocument("Soon", "Closing by itself.", 0x2000 | 4,
                                             {{}, Countdown{3, c.answer}, {}}));
        runs.push_back(StartRun(path));
    }
    std::vector<std::pair<HWND, std::string>> footers;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(cases[i].answer);
        ASSERT_NO_FATAL_FAILURE(ReadTaskDialogOf(runs[i]));
        // Without own words the buttons are the system's.
        EXPECT_EQ(m_shown->ButtonIds(), (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(m_shown->footer.rfind("This box closes in 0:0", 0), 0u) << m_shown->footer;
        footers.emplace_back(m_dialog, m_shown->footer);
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(cases[i].answer);
        const auto next =
            testdriver::WaitForFooterChange(footers[i].first, footers[i].second, kBoxLimit);
        ASSERT_TRUE(next.has_value());
        EXPECT_EQ(next->rfind("This box closes in 0:0", 0), 0u) << *next;
        EXPECT_LT(*next, footers[i].second); // fewer seconds left
    }
    for (std::size_t i = 0; i < runs.size(); ++i)
        EXPECT_EQ(ExitCode(runs[i]), cases[i].exitCode) << cases[i].answer;
}

TEST_F(TaskDialogRun, EscAndTheCloseBoxAnswerAsTheStandardBoxDoes) {
    // Esc where the set has Cancel.
    ASSERT_NO_FATAL_FAILURE(Run(DesignedDocument("Esc", "", 0x2000 | 3, kRestartLaterNever)));
    EXPECT_TRUE(testdriver::SendKey(m_dialog, VK_ESCAPE));
    EXPECT_EQ(ExitCode(*m_zembra), 2u);
    // The close box of the OK set answers OK. (Wine's task dialog ignores Esc without a Cancel
    // button; WM_CLOSE is what the close box sends.)
    ASSERT_NO_FATAL_FAILURE(
        Run(DesignedDocument("Close", "", 0x2000, {{u"Fine"}, std::nullopt, {}})));
    PostMessageA(m_dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCode(*m_zembra), 1u);
    // Yes/No has no answer for it: the dialog stays until a button is pressed.
    ASSERT_NO_FATAL_FAILURE(
        Run(DesignedDocument("Stay", "", 0x2000 | 4, {{u"Go", u"Stay"}, std::nullopt, {}})));
    // The dialog takes the three in order: had the first two closed it, the answer would not be No.
    PostMessageA(m_dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(testdriver::SendKey(m_dialog, VK_ESCAPE));
    EXPECT_EQ(Press(IDNO), 7u);
}

TEST_F(TaskDialogRun, AStyleWordTheTablesCannotNameShowsTheStandardBox) {
    Process zembra = StartRun(m_scratch.Write(
        "set6.zembra", DesignedDocument("Six", "Set 6.", 0x2000 | 6, {{}, Countdown{60, 6}, {}})));
    ASSERT_NO_FATAL_FAILURE(ReadShownBox(zembra));
    EXPECT_EQ(m_contents->caption, "Six");
    EXPECT_EQ(Answer(zembra, m_contents->buttons.front().id),
              static_cast<DWORD>(m_contents->buttons.front().id));
}

TEST_F(TaskDialogRun, PictureAtThisDpi) {
    ASSERT_NO_FATAL_FAILURE(Run(DesignedDocument(
        "Updates are ready", "Restart now to finish installing them.", 0x2000 | 0x30 | 3,
        {kRestartLaterNever.buttonTexts, Countdown{299, 32000}, {}})));
    EXPECT_EQ(m_shown->footer, "This box closes in 4:59.");
    EXPECT_NE(testdriver::SaveScreenshotAtDpi(m_dialog, "task-dialog"), "");
    EXPECT_EQ(Press(IDCANCEL), 2u);
}
