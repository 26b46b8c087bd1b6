// The editor's "Buttons and time" dialog: it writes own words and a countdown into the document,
// Cancel changes nothing, a partial set of words is named and the dialog stays, a change of
// button set keeps the words by position, and Test shows the box with them.

#include "app/core/ZembraFormat.h"
#include "framework/core/Archive.h"
#include "tests/driver/Control.h"
#include "tests/driver/Files.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/TaskDialog.h"
#include "tests/driver/Window.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

using namespace e2e;
using namespace testdriver;

namespace {

using Strings = std::vector<std::string>;

constexpr int kLabels[] = {1020, 1021, 1022};
constexpr int kWords[] = {1023, 1024, 1025};
constexpr int kCloseAfter = 1026;
constexpr int kSeconds = 1027;
constexpr int kAnswer = 1028;

// The design a file holds, read as the product reads it.
MessageBoxDesign DesignIn(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    MessageBoxDesign design;
    if (!bytes)
        return design;
    MemoryStream stream(bytes->data(), bytes->size());
    CArchive ar(stream, CArchive::load);
    ReadZembraVersion(ar);
    ReadZembraBody(ar, design);
    return design;
}

class ButtonsAndTime : public EditorDialogTest {
protected:
    // Opens a document of style in the editor.
    void Start(std::uint32_t style) {
        m_path = m_scratch.Write("buttons.zembra", Document("Ask", "Go on?", style));
        StartEditor("\"" + m_path + "\"");
    }

    void OpenDialog() {
        ASSERT_TRUE(Click(FindControl(m_frame, kButtonsAndTime)));
        m_dialog = WaitForDialog(Program(), "Buttons and Time", kWindowLimit);
        ASSERT_NE(m_dialog, nullptr) << "the dialog did not open";
    }

    HWND Item(int id) const { return FindControl(m_dialog, id); }

    // Two own words and a countdown with its answer, then OK.
    void EnterWordsAndCountdown(const char* first, const char* second, const char* seconds,
                                const char* answer) {
        ASSERT_TRUE(SetEditText(Item(kWords[0]), first));
        ASSERT_TRUE(SetEditText(Item(kWords[1]), second));
        ASSERT_TRUE(Click(Item(kCloseAfter)));
        ASSERT_TRUE(WaitUntil([&] { return IsEnabled(Item(kSeconds)) && IsEnabled(Item(kAnswer)); },
                              kWindowLimit));
        ASSERT_TRUE(SetEditText(Item(kSeconds), seconds));
        ASSERT_TRUE(ChooseComboItem(Item(kAnswer), answer));
        ASSERT_TRUE(CloseDialog(m_dialog, kOkButton));
    }

    // Saves and waits until the file holds what it did not hold before (the new file takes the
    // old one's place, so for a moment there may be none).
    MessageBoxDesign Save() {
        const std::optional<std::string> before = ReadFileBytes(m_path);
        EXPECT_TRUE(InvokeCommand(m_frame, kFileSave));
        EXPECT_TRUE(WaitUntil(
            [&] {
                const std::optional<std::string> now = ReadFileBytes(m_path);
                return now && now != before;
            },
            kWindowLimit));
        return DesignIn(m_path);
    }

    std::string m_path;
};

} // namespace

TEST_F(ButtonsAndTime, OkWritesTheWordsAndCountdownAndTestShowsThem) {
    ASSERT_NO_FATAL_FAILURE(Start(0x2000 | 0x20 | 4));
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    // One field per button of the set, named by the set's word; the third is not there.
    EXPECT_EQ(WindowText(Item(kLabels[0])), "Yes:");
    EXPECT_EQ(WindowText(Item(kLabels[1])), "No:");
    EXPECT_FALSE(IsShown(Item(kWords[2])));
    EXPECT_FALSE(IsEnabled(Item(kSeconds)));
    EXPECT_EQ(ComboItems(Item(kAnswer)), (Strings{"Yes", "No", "Timed out"}));
    EXPECT_EQ(ComboSelection(Item(kAnswer)), "Timed out");
    SaveScreenshot(m_dialog, "buttons-and-time");

    ASSERT_NO_FATAL_FAILURE(EnterWordsAndCountdown("Restart now", "Later", "300", "No"));

    ASSERT_TRUE(Click(FindControl(m_frame, kTest)));
    const HWND box = WaitForTaskDialog(Program(), kBoxLimit);
    ASSERT_NE(box, nullptr);
    const auto shown = ReadTaskDialog(box);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->ButtonTexts(), (Strings{"Restart now", "Later"}));
    EXPECT_EQ(shown->footer, "This box closes in 5:00.");
    ASSERT_TRUE(PressButton(box, IDYES));
    ASSERT_TRUE(WaitUntilGone(box, kWindowLimit));

    const MessageBoxDesign saved = Save();
    EXPECT_EQ(saved.GetExtras().buttonTexts,
              (std::vector<std::u16string>{u"Restart now", u"Later"}));
    EXPECT_EQ(saved.GetExtras().countdown, (Countdown{300, 7}));
    CloseEditor(); // saved: nothing to ask
}

TEST_F(ButtonsAndTime, WordsOfAnyScriptAreKeptAndShown) {
    ASSERT_NO_FATAL_FAILURE(Start(0x2000 | 4));
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    const std::wstring yes = L"\u518d\u8d77\u52d5 \u2713", no = L"\u038c\u03c7\u03b9";
    ASSERT_TRUE(TypeWideText(Item(kWords[0]), yes));
    ASSERT_TRUE(TypeWideText(Item(kWords[1]), no));
    // The typed characters are posted: wait until the fields have taken them all.
    EXPECT_TRUE(WaitUntil(
        [&] { return WideTextOf(Item(kWords[0])) == yes && WideTextOf(Item(kWords[1])) == no; },
        kWindowLimit));
    ASSERT_TRUE(CloseDialog(m_dialog, kOkButton));

    ASSERT_TRUE(Click(FindControl(m_frame, kTest)));
    const HWND box = WaitForTaskDialog(Program(), kBoxLimit);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WideTextOf(FindControl(box, IDYES)), yes);
    EXPECT_EQ(WideTextOf(FindControl(box, IDNO)), no);
    ASSERT_TRUE(PressButton(box, IDNO));
    ASSERT_TRUE(WaitUntilGone(box, kWindowLimit));

    EXPECT_EQ(Save().GetExtras().buttonTexts,
              (std::vector<std::u16string>{u"\u518d\u8d77\u52d5 \u2713", u"\u038c\u03c7\u03b9"}));
    CloseEditor();
}

TEST_F(ButtonsAndTime, CancelChangesNothingAndSomeWordsAreNotEnough) {
    ASSERT_NO_FATAL_FAILURE(Start(0x2000 | 3));
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    ASSERT_TRUE(SetEditText(Item(kWords[0]), "Go"));
    ASSERT_TRUE(SetEditText(Item(kWords[2]), "Quit"));
    // OK names the button without a word and keeps the dialog.
    ASSERT_TRUE(Click(Item(IDOK)));
    ASSERT_NO_FATAL_FAILURE(ReadShownBox(Program()));
    EXPECT_EQ(m_contents->text,
              "Every button needs its own word, or none does.\nMissing: Button 2 (No).");
    ASSERT_TRUE(PressButton(m_box, IDOK));
    ASSERT_TRUE(WaitUntilGone(m_box, kWindowLimit));
    EXPECT_TRUE(IsWindowVisible(m_dialog));
    ASSERT_TRUE(CloseDialog(m_dialog, kCancelButton));
    // Nothing changed: closing asks nothing and the file keeps its bytes.
    const std::optional<std::string> before = ReadFileBytes(m_path);
    CloseEditor();
    EXPECT_EQ(ReadFileBytes(m_path), before);
}

TEST_F(ButtonsAndTime, ASetChangeKeepsWordsByPositionAndDropsALostAnswer) {
    ASSERT_NO_FATAL_FAILURE(Start(0x2000 | 4));
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    ASSERT_NO_FATAL_FAILURE(EnterWordsAndCountdown("Go", "Stay", "9", "Yes"));

    // OK, Cancel has two buttons as well: the words stay; it has no Yes, so the box times out.
    ASSERT_TRUE(ChooseComboItem(FindControl(m_frame, kButton), "OK, Cancel"));
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    EXPECT_EQ(WindowText(Item(kLabels[0])), "OK:");
    EXPECT_EQ(WindowText(Item(kWords[0])), "Go");
    EXPECT_EQ(WindowText(Item(kWords[1])), "Stay");
    EXPECT_EQ(ComboSelection(Item(kAnswer)), "Timed out");
    ASSERT_TRUE(CloseDialog(m_dialog, kCancelButton));

    // Yes, No, Cancel has three: the words go, the countdown stays.
    ASSERT_TRUE(ChooseComboItem(FindControl(m_frame, kButton), "Yes, No, Cancel"));
    const MessageBoxDesign saved = Save();
    EXPECT_TRUE(saved.GetExtras().buttonTexts.empty());
    EXPECT_EQ(saved.GetExtras().countdown, (Countdown{9, 32000}));
    CloseEditor();
}
