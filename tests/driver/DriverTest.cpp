// The test driver checked against boxprobe, which shows exactly the system box it is asked for:
// whatever the driver reads or does must agree with what MessageBoxA was given and returns.

#include "tests/driver/Box.h"
#include "tests/driver/Handles.h"
#include "tests/driver/Process.h"
#include "tests/driver/core/NamedCase.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace testdriver;

namespace {

const milliseconds kBoxLimit(10000);
const milliseconds kExitLimit(10000);

std::string BoxprobePath() {
    return WindowsPathOf(ZEMBRA_BOXPROBE_PATH);
}

std::string BoxprobeCommand(UINT style, const std::string& caption, const std::string& text) {
    return QuoteArgument(BoxprobePath()) + " " + std::to_string(style) + " " +
           QuoteArgument(caption) + " " + QuoteArgument(text);
}

// A boxprobe process and the box it shows; box is nullptr when none appeared in time.
struct ShownBox {
    Process process;
    HWND box;
};

ShownBox Show(UINT style, const std::string& caption = "Zembra driver",
              const std::string& text = "Probe text") {
    Process process = Process::Start(BoxprobeCommand(style, caption, text));
    HWND box = WaitForBox(process, kBoxLimit);
    return {std::move(process), box};
}

// Boxes of the styles shown at once: every program is started before the first box is awaited.
std::vector<ShownBox> ShowAll(const std::vector<UINT>& styles) {
    std::vector<Process> started;
    for (UINT style : styles)
        started.push_back(Process::Start(BoxprobeCommand(style, "Zembra driver", "Probe text")));
    std::vector<ShownBox> shown;
    for (Process& process : started) {
        HWND box = WaitForBox(process, kBoxLimit);
        shown.push_back({std::move(process), box});
    }
    return shown;
}

// Shows a box of style, answers it with answer and checks that the program ends with the id the
// answer chose.
void ExpectAnswerEndsWith(UINT style, const std::function<bool(HWND)>& answer, int id) {
    auto shown = Show(style);
    ASSERT_NE(shown.box, nullptr);
    ASSERT_TRUE(answer(shown.box));
    EXPECT_EQ(shown.process.WaitForExit(kExitLimit), DWORD(id));
}

struct ButtonSet : testdriver::NamedCase {
    UINT style;
    std::vector<std::string> texts;
    std::vector<int> ids;
};

const ButtonSet kButtonSets[] = {
    {"Ok", MB_OK, {"OK"}, {IDOK}},
    {"OkCancel", MB_OKCANCEL, {"OK", "Cancel"}, {IDOK, IDCANCEL}},
    {"AbortRetryIgnore",
     MB_ABORTRETRYIGNORE,
     {"Abort", "Retry", "Ignore"},
     {IDABORT, IDRETRY, IDIGNORE}},
    {"YesNoCancel", MB_YESNOCANCEL, {"Yes", "No", "Cancel"}, {IDYES, IDNO, IDCANCEL}},
    {"YesNo", MB_YESNO, {"Yes", "No"}, {IDYES, IDNO}},
    {"RetryCancel", MB_RETRYCANCEL, {"Retry", "Cancel"}, {IDRETRY, IDCANCEL}},
};

} // namespace

TEST(ReadBox, GivesCaptionTextAndPlaceExactlyAsTheProgramAskedForThem) {
    const struct {
        UINT style;
        std::string caption, text;
        bool topmost;
    } cases[] = {
        // Blanks, quotes, a trailing backslash and line breaks all survive the command line.
        {MB_OK, "Zembra \"quoted\" caption \\",
         "First line\nSecond line with \"quotes\" and C:\\path\\", false},
        {MB_OK | MB_SYSTEMMODAL, "", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        auto shown = Show(c.style, c.caption, c.text);
        ASSERT_NE(shown.box, nullptr);
        const auto contents = ReadBox(shown.box);
        ASSERT_TRUE(contents);
        EXPECT_EQ(contents->caption, c.caption);
        EXPECT_EQ(contents->text, c.text);
        EXPECT_EQ(contents->owner, nullptr);
        EXPECT_EQ(contents->topmost, c.topmost);
        EXPECT_EQ(contents->icon, BoxIcon::None);
    }
}

TEST(ReadBox, RefusesWindowsThatAreNotBoxes) {
    EXPECT_FALSE(ReadBox(nullptr));
    EXPECT_FALSE(ReadBox(GetDesktopWindow()));
}

TEST(ReadBox, DefaultButtonFollowsTheDefaultButtonStyle) {
    struct Case {
        UINT style;
        int expected;
    };
    const Case cases[] = {
        {MB_YESNOCANCEL, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
        {MB_RETRYCANCEL | MB_DEFBUTTON2, IDCANCEL},
    };
    std::vector<UINT> styles;
    for (const auto& c : cases)
        styles.push_back(c.style);
    const std::vector<ShownBox> boxes = ShowAll(styles);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE("style " + std::to_string(cases[i].style));
        ASSERT_NE(boxes[i].box, nullptr);
        const auto contents = ReadBox(boxes[i].box);
        ASSERT_TRUE(contents);
        EXPECT_EQ(contents->defaultButton, cases[i].expected);
    }
}

class IconTest : public testing::TestWithParam<std::pair<UINT, BoxIcon>> {};

TEST_P(IconTest, RecognisesTheIconByItsPixels) {
    auto shown = Show(MB_OK | GetParam().first);
    ASSERT_NE(shown.box, nullptr);
    EXPECT_EQ(ReadBoxIcon(shown.box), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Icons, IconTest,
                         testing::Values(std::make_pair(0u, BoxIcon::None),
                                         std::make_pair(UINT(MB_ICONERROR), BoxIcon::Error),
                                         std::make_pair(UINT(MB_ICONQUESTION), BoxIcon::Question),
                                         std::make_pair(UINT(MB_ICONWARNING), BoxIcon::Warning),
                                         std::make_pair(UINT(MB_ICONINFORMATION),
                                                        BoxIcon::Information)),
                         [](const auto& info) { return std::string(ToString(info.param.second)); });

class ButtonSetTest : public testing::TestWithParam<ButtonSet> {};

// One box of the set for each of its buttons, all shown at once: each shows exactly the set's
// buttons in order, and each button pressed by its text ends its program with its id.
TEST_P(ButtonSetTest, ShowsExactlyTheSetsButtonsAndEachPressedByTextEndsWithItsId) {
    std::vector<ShownBox> boxes =
        ShowAll(std::vector<UINT>(GetParam().texts.size(), GetParam().style));
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::string& text = GetParam().texts[i];
        SCOPED_TRACE(text);
        ASSERT_NE(boxes[i].box, nullptr);
        const auto contents = ReadBox(boxes[i].box);
        ASSERT_TRUE(contents);
        EXPECT_EQ(contents->ButtonTexts(), GetParam().texts);
        EXPECT_EQ(contents->ButtonIds(), GetParam().ids);
        EXPECT_EQ(contents->defaultButton, GetParam().ids.front());
        ASSERT_TRUE(PressButtonWithText(boxes[i].box, text));
        EXPECT_EQ(boxes[i].process.WaitForExit(kExitLimit), DWORD(GetParam().ids[i]));
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, ButtonSetTest, testing::ValuesIn(kButtonSets),
                         testdriver::CaseName());

TEST(PressButton, ByIdAndByKeyEndsTheProgramWithTheChosenButton) {
    const struct {
        UINT style;
        std::function<bool(HWND)> answer;
        int id;
    } cases[] = {
        {MB_YESNO, [](HWND box) { return PressButton(box, IDNO); }, IDNO},
        // Escape cancels a box with Cancel; Enter presses the default button.
        {MB_OKCANCEL, [](HWND box) { return SendKey(box, VK_ESCAPE); }, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, [](HWND box) { return SendKey(box, VK_RETURN); }, IDNO},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        ExpectAnswerEndsWith(c.style, c.answer, c.id);
    }
}

TEST(PressButton, RefusesButtonsTheBoxDoesNotHave) {
    auto shown = Show(MB_YESNO);
    ASSERT_NE(shown.box, nullptr);
    EXPECT_FALSE(PressButton(shown.box, IDOK));
    EXPECT_FALSE(PressButton(shown.box, IDCANCEL));
    EXPECT_FALSE(PressButtonWithText(shown.box, "OK"));
    // The box is still there and still answers.
    ASSERT_TRUE(PressButtonWithText(shown.box, "Yes"));
    EXPECT_EQ(shown.process.WaitForExit(kExitLimit), DWORD(IDYES));
}

TEST(Wait, AnsweredBoxIsGoneAndNoSecondBoxFollows) {
    auto shown = Show(MB_OK);
    ASSERT_NE(shown.box, nullptr);
    ASSERT_TRUE(PressButton(shown.box, IDOK));
    EXPECT_TRUE(WaitUntilNoBox(shown.process, kBoxLimit));
    EXPECT_EQ(WaitForNextBox(shown.process, shown.box, kBoxLimit), nullptr);
    EXPECT_EQ(shown.process.WaitForExit(kExitLimit), DWORD(IDOK));
}

TEST(Wait, UnansweredBoxIsStillThere) {
    auto shown = Show(MB_OK);
    ASSERT_NE(shown.box, nullptr);
    EXPECT_FALSE(WaitUntilNoBox(shown.process, milliseconds(300)));
    EXPECT_EQ(WaitForNextBox(shown.process, shown.box, milliseconds(300)), nullptr);
    EXPECT_EQ(WaitForNextBox(shown.process, nullptr, kBoxLimit), shown.box);
    EXPECT_EQ(WaitForWindow(shown.process, kBoxLimit), shown.box);
    EXPECT_FALSE(shown.process.WaitForExit(milliseconds(300)));
}

TEST(Wait, ProgramThatEndsWithoutABoxGivesNoBox) {
    // Wrong arguments: boxprobe ends at once with 255 and never shows a box.
    Process process = Process::Start(QuoteArgument(BoxprobePath()) + " not-a-style");
    EXPECT_EQ(WaitForBox(process, kBoxLimit), nullptr);
    EXPECT_EQ(WaitForWindow(process, kBoxLimit), nullptr);
    EXPECT_EQ(process.WaitForExit(kExitLimit), DWORD(255));
}

TEST(Wait, OnlyTheProgramsOwnWindowsCount) {
    // Another program's box with the very caption we would look for must not be taken for ours.
    auto other = Show(MB_OK, "Zembra driver");
    ASSERT_NE(other.box, nullptr);
    Process silent = Process::Start("ping.exe -n 60 127.0.0.1");
    ASSERT_TRUE(silent.IsRunning());
    EXPECT_EQ(WaitForBox(silent, milliseconds(500)), nullptr);
    EXPECT_EQ(WaitForWindow(silent, milliseconds(500)), nullptr);
    EXPECT_TRUE(VisibleBoxes(silent.Id()).empty());
    EXPECT_TRUE(WaitUntilNoBox(silent, milliseconds(500)));
    EXPECT_TRUE(silent.IsRunning());
}

TEST(Process, StartsInTheGivenWorkingDirectory) {
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    const std::string windowsDir = windows;
    const std::string check = "cmd.exe /c if exist win.ini (exit 7) else (exit 8)";
    EXPECT_EQ(Process::Start(check, windowsDir).WaitForExit(kExitLimit), DWORD(7));
    EXPECT_EQ(Process::Start(check, windowsDir + "\\system32").WaitForExit(kExitLimit), DWORD(8));
}

TEST(Process, FailsToStartAMissingProgram) {
    EXPECT_THROW(Process::Start("Z:\\no\\such\\program.exe"), std::runtime_error);
    EXPECT_THROW(Process::Start(QuoteArgument(BoxprobePath()), "Z:\\no\\such\\folder"),
                 std::runtime_error);
}

// Under Wine: a Unix program runs outside Wine's processes, with no handle to follow.
TEST(Process, AUnixProgramStartsWithNoProcessToFollow) {
    Process program = Process::Start("Z:\\bin\\true");
    EXPECT_FALSE(program.IsRunning());
    EXPECT_FALSE(program.WaitForExit(milliseconds(0)));
    EXPECT_TRUE(program.WaitForProcessTree(milliseconds(0)));
}

TEST(Process, EndingTheObjectEndsTheProgramAndItsBox) {
    HWND box = nullptr;
    HANDLE duplicate = nullptr;
    {
        auto shown = Show(MB_OK);
        ASSERT_NE(shown.box, nullptr);
        box = shown.box;
        ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), shown.process.Handle(),
                                    GetCurrentProcess(), &duplicate, SYNCHRONIZE, FALSE, 0));
        // Moving hands the program over; the moved-from object leaves it alone.
        Process moved = std::move(shown.process);
        EXPECT_TRUE(moved.IsRunning());
        EXPECT_FALSE(shown.process.IsRunning());
    }
    const OwnedHandle process(duplicate);
    EXPECT_EQ(WaitForSingleObject(process.Get(), 0), WAIT_OBJECT_0);
    EXPECT_FALSE(IsWindowVisible(box));
}

TEST(Process, TerminatedProgramReportsTheDriversExitCode) {
    auto shown = Show(MB_OK);
    ASSERT_NE(shown.box, nullptr);
    EXPECT_TRUE(shown.process.Terminate());
    EXPECT_EQ(shown.process.WaitForExit(kExitLimit), Process::kTerminatedExitCode);
}

TEST(WindowsPathOf, MapsUnixPathsToDriveZ) {
    EXPECT_EQ(WindowsPathOf("/work/build/a b.exe"), "Z:\\work\\build\\a b.exe");
    EXPECT_EQ(WindowsPathOf("C:\\already\\windows"), "C:\\already\\windows");
}
