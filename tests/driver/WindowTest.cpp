// The window-driving half of the test driver, checked against dialogprobe, which shows on its
// own windows what it received: whatever the driver reads must match the probe's resources, and
// whatever it does must arrive as a user's action would.

#include "tests/driver/Window.h"
#include "tests/driver/Box.h"
#include "tests/driver/Control.h"
#include "tests/driver/FileDialog.h"
#include "tests/driver/Files.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Process.h"
#include "tests/driver/Resources.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/dialogprobe/resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

using namespace testdriver;

namespace {

const milliseconds kLimit(10000);
const milliseconds kAbsent(300);
const char kFrameClass[] = "ZembraProbeFrame";
const char kFrameCaption[] = "Probe Frame";
const char kDialogCaption[] = "Probe Dialog";

std::string ProbePath() {
    return WindowsPathOf(ZEMBRA_DIALOGPROBE_PATH);
}

// True once window's text is exactly expected within kLimit, with what it shows otherwise.
testing::AssertionResult TextBecomes(HWND window, const std::string& expected) {
    if (WaitForText(window, expected, kLimit))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "text is \"" << WindowText(window) << "\", not \"" << expected << "\"";
}

// The probe with its frame shown.
class ProbeTest : public testing::Test {
protected:
    void SetUp() override {
        m_frame = WaitForWindow(m_probe, kFrameClass, kFrameCaption, kLimit);
        ASSERT_NE(m_frame, nullptr);
    }

    // Opens the dialog through the frame's menu command.
    HWND OpenDialog() {
        EXPECT_TRUE(InvokeCommand(m_frame, ID_PROBE_DIALOG));
        return WaitForDialog(m_probe, kDialogCaption, kLimit);
    }

    // Once the answer (a key pressed, a button clicked) has been given to the dialog, it ends and
    // the frame's caption tells what it ended with.
    void ExpectEndsWith(HWND dialog, bool answered, const std::string& caption) {
        ASSERT_TRUE(answered);
        EXPECT_TRUE(WaitUntilGone(dialog, kLimit));
        EXPECT_TRUE(TextBecomes(m_frame, caption));
    }

    Process m_probe = Process::Start(QuoteArgument(ProbePath()));
    HWND m_frame = nullptr;
};

// The probe with its dialog open.
class DialogTest : public ProbeTest {
protected:
    void SetUp() override {
        ProbeTest::SetUp();
        ASSERT_NE(m_dialog = OpenDialog(), nullptr);
    }
    HWND Item(int id) { return FindControl(m_dialog, id); }

    HWND m_dialog = nullptr;
};

TEST_F(ProbeTest, FindsWindowsByClassAndCaptionOfTheProgramOnly) {
    EXPECT_EQ(WaitForWindow(m_probe, kFrameClass, "", kLimit), m_frame);
    EXPECT_EQ(WaitForWindow(m_probe, "", kFrameCaption, kLimit), m_frame);
    EXPECT_EQ(WaitForWindow(m_probe, kFrameClass, "Probe", kAbsent), nullptr);
    EXPECT_EQ(WaitForWindow(m_probe, "#32770", "", kAbsent), nullptr);
    EXPECT_EQ(WaitForDialog(m_probe, "", kAbsent), nullptr);
    // The same frame of another process is not this program's.
    Process other = Process::Start(QuoteArgument(ProbePath()));
    HWND otherFrame = WaitForWindow(other, kFrameClass, kFrameCaption, kLimit);
    ASSERT_NE(otherFrame, nullptr);
    EXPECT_NE(otherFrame, m_frame);
    EXPECT_EQ(FindWindows(m_probe.Id(), kFrameClass, kFrameCaption), std::vector<HWND>{m_frame});
}

// How each kind of window of the probe is opened, and whether it is a message box.
struct KindCase {
    const char* name;
    UINT command; // 0: the frame itself
    bool fileDialog;
};

const KindCase kNotBoxes[] = {
    {"Frame", 0, false},
    {"DialogWithEditComboAndCheckBox", ID_PROBE_DIALOG, false},
    {"NoteWithOneLabelAndOk", ID_PROBE_NOTE, false},
    {"SaveDialog", ID_PROBE_SAVE, true},
};

// Each window in turn, in one run.
TEST_F(ProbeTest, NoWindowOfTheProbeIsTakenForAMessageBox) {
    for (const KindCase& c : kNotBoxes) {
        SCOPED_TRACE(c.name);
        HWND window = m_frame;
        if (c.command) {
            ASSERT_TRUE(InvokeCommand(m_frame, c.command));
            window = c.fileDialog ? WaitForFileDialog(m_probe, kLimit)
                                  : WaitForDialog(m_probe, "", kLimit);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(IsFileDialog(window), c.fileDialog);
        }
        EXPECT_FALSE(IsMessageBox(window));
        EXPECT_TRUE(VisibleBoxes(m_probe.Id()).empty());
        EXPECT_EQ(WaitForBox(m_probe, kAbsent), nullptr);
        EXPECT_FALSE(ReadBox(window));
        if (c.command) {
            ASSERT_TRUE(c.fileDialog ? CancelFileDialog(window) : PressKey(window, VK_ESCAPE));
            ASSERT_TRUE(WaitUntilGone(window, kLimit));
        }
    }
}

TEST(IsMessageBox, EverySystemBoxIsOneAndNoDialogOfIt) {
    // All shown at once, each looked at in turn.
    std::vector<Process> boxprobes;
    for (UINT style : {UINT(MB_OK), UINT(MB_YESNOCANCEL | MB_ICONQUESTION),
                       UINT(MB_ABORTRETRYIGNORE | MB_ICONERROR), UINT(MB_RETRYCANCEL | MB_HELP)})
        boxprobes.push_back(Process::Start(QuoteArgument(WindowsPathOf(ZEMBRA_BOXPROBE_PATH)) +
                                           " " + std::to_string(style) + " Caption \"&Text &&\""));
    for (const Process& boxprobe : boxprobes) {
        HWND box = WaitForBox(boxprobe, kLimit);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(IsMessageBox(box));
        EXPECT_FALSE(IsFileDialog(box));
    }
    EXPECT_FALSE(WaitUntil(
        [&] {
            for (const Process& boxprobe : boxprobes) {
                if (WaitForDialog(boxprobe, "", milliseconds(0)))
                    return true;
            }
            return false;
        },
        kAbsent));
}

struct ControlCase {
    const char* name;
    int id;
    const char* className;
    const char* text;
    bool enabled;
    DWORD typeBits; // the control's own style bits that must be set
    RECT units;     // left, top, right, bottom in dialog units, as the template places it
};

const ControlCase kDialogControls[] = {
    {"Name", IDC_PROBE_NAME, "Edit", "", true, ES_AUTOHSCROLL | WS_TABSTOP, {40, 7, 140, 21}},
    {"Check", IDC_PROBE_CHECK, "Button", "&Check", true, BS_AUTOCHECKBOX, {40, 43, 100, 53}},
    {"Disabled", IDC_PROBE_DISABLED, "Button", "&Disabled", false, 0, {7, 75, 57, 89}},
    {"Ok", IDOK, "Button", "OK", true, BS_DEFPUSHBUTTON, {80, 75, 130, 89}},
    {"Cancel", IDCANCEL, "Button", "Cancel", true, 0, {135, 75, 185, 89}},
    {"Events", IDC_PROBE_EVENTS, "Static", "", true, 0, {7, 58, 187, 66}},
};

TEST_F(DialogTest, ReadsClassTextStateStyleAndPlaceOfEachControl) {
    for (const ControlCase& c : kDialogControls) {
        SCOPED_TRACE(c.name);
        HWND control = Item(c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassOf(control), c.className);
        EXPECT_EQ(TextOf(control), std::string(c.text));
        EXPECT_EQ(IsEnabled(control), c.enabled);
        EXPECT_TRUE(IsShown(control));
        EXPECT_EQ(StyleOf(control) & (c.typeBits | WS_CHILD), c.typeBits | WS_CHILD);
        const auto units = DialogUnitRect(control, BaseUnitsOf("MS Sans Serif", 8));
        ASSERT_TRUE(units);
        EXPECT_EQ(EdgesOf(*units), EdgesOf(c.units));
        const RECT screen = ScreenRect(control);
        const RECT inDialog = RectInParent(control);
        EXPECT_EQ(screen.right - screen.left, inDialog.right - inDialog.left);
        EXPECT_EQ(screen.bottom - screen.top, inDialog.bottom - inDialog.top);
    }
}

TEST_F(DialogTest, ReadsStylesOfTheWindowsThemselvesAndTheComboItems) {
    EXPECT_EQ(StyleOf(m_dialog) & (WS_POPUP | WS_CAPTION), DWORD(WS_POPUP | WS_CAPTION));
    EXPECT_EQ(ExStyleOf(m_dialog) & WS_EX_DLGMODALFRAME, DWORD(WS_EX_DLGMODALFRAME));
    EXPECT_EQ(GetWindow(m_dialog, GW_OWNER), m_frame);
    EXPECT_EQ(StyleOf(m_frame) & WS_OVERLAPPEDWINDOW, DWORD(WS_OVERLAPPEDWINDOW));
    EXPECT_FALSE(IsEnabled(m_frame)); // a modal dialog disables its owner
    HWND choice = Item(IDC_PROBE_CHOICE);
    EXPECT_EQ(ComboItems(choice), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(ComboSelection(choice), std::string("Alpha"));
}

TEST_F(ProbeTest, FindsControlsNestedInAFormInsideTheFrame) {
    HWND edit = FindControl(m_frame, IDC_PROBE_FORM_EDIT);
    ASSERT_NE(edit, nullptr);
    EXPECT_NE(GetParent(edit), m_frame);
    EXPECT_EQ(ClassOf(edit), "Edit");
    EXPECT_EQ(FindControl(m_frame, IDC_PROBE_FORM_EDIT, "Button"), nullptr);
    EXPECT_EQ(FindControl(m_frame, IDC_PROBE_CHECK), nullptr);
    ASSERT_TRUE(Click(FindControl(m_frame, IDC_PROBE_FORM_BUTTON)));
    EXPECT_TRUE(TextBecomes(m_frame, "Probe Frame - nested"));

    // A control of the form comes before the inner edit of a combo box that shares its id.
    HWND combo = FindControl(m_frame, IDC_PROBE_FORM_COMBO);
    ASSERT_NE(combo, nullptr);
    HWND inner = FindControl(combo, IDC_PROBE_FORM_LATE);
    ASSERT_NE(inner, nullptr) << "the combo box has no inner edit with the shared id";
    HWND late = FindControl(m_frame, IDC_PROBE_FORM_LATE);
    EXPECT_NE(late, inner);
    EXPECT_EQ(GetParent(late), GetParent(edit));
}

struct ChoiceCase {
    const char* name;
    bool (*choose)(HWND, const std::string&);
    const char* item;
    // What the probe's dialog was told: the message way sends exactly the two notifications; the
    // keyboard way gets the combo box's own, one change per step from the top (Home, Down...).
    const char* events;
};

const ChoiceCase kChoices[] = {
    {"ByMessagesGamma", ChooseComboItem, "Gamma", "selendok;selchange;"},
    {"ByMessagesAlpha", ChooseComboItem, "Alpha", "selendok;selchange;"},
    {"ByKeyboardGamma", ChooseComboItemByKeyboard, "Gamma",
     "selchange;selchange;selchange;selendok;"},
    {"ByKeyboardBeta", ChooseComboItemByKeyboard, "Beta", "selchange;selchange;selendok;"},
};

// Each way in a dialog of its own, opened again in the same run.
TEST_F(DialogTest, ChoosingAComboItemNotifiesTheProgramAsAUserChoiceDoes) {
    for (const ChoiceCase& c : kChoices) {
        SCOPED_TRACE(c.name);
        if (!m_dialog)
            m_dialog = OpenDialog();
        ASSERT_NE(m_dialog, nullptr);
        HWND choice = Item(IDC_PROBE_CHOICE);
        // Only an exact, existing item can be chosen.
        EXPECT_FALSE(c.choose(choice, "gamma"));
        EXPECT_FALSE(c.choose(choice, "Delta"));
        EXPECT_FALSE(c.choose(Item(IDC_PROBE_DISABLED), c.item));
        ASSERT_TRUE(c.choose(choice, c.item));
        EXPECT_TRUE(TextBecomes(Item(IDC_PROBE_EVENTS), c.events));
        EXPECT_EQ(ComboSelection(choice), std::string(c.item));
        // What the program then reads as the choice is the item.
        ExpectEndsWith(m_dialog, PressKey(m_dialog, VK_RETURN),
                       std::string("Probe Frame - OK name= choice=") + c.item + " checked=0");
        m_dialog = nullptr;
    }
}

TEST_F(DialogTest, SettingAndTypingTextReachTheProgram) {
    HWND name = Item(IDC_PROBE_NAME);
    ASSERT_TRUE(SetEditText(name, "Set text"));
    EXPECT_EQ(TextOf(name), std::string("Set text"));
    EXPECT_TRUE(TextBecomes(Item(IDC_PROBE_EVENTS), "change;"));
    ASSERT_TRUE(SetEditText(name, ""));
    ASSERT_TRUE(TypeText(name, "Ab c"));
    EXPECT_TRUE(TextBecomes(name, "Ab c"));
}

TEST_F(DialogTest, RestingTheMouseOnAControlShowsItsTip) {
    EXPECT_EQ(WaitForTip(m_probe, kAbsent), nullptr);
    ASSERT_TRUE(HoverOver(Item(IDC_PROBE_NAME)));
    HWND tip = WaitForTip(m_probe, kLimit);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(WindowText(tip), "Probe tip");
}

TEST_F(DialogTest, ClickingACheckBoxTogglesIt) {
    HWND check = Item(IDC_PROBE_CHECK);
    EXPECT_EQ(CheckState(check), BST_UNCHECKED);
    ASSERT_TRUE(Click(check));
    EXPECT_TRUE(TextBecomes(Item(IDC_PROBE_EVENTS), "check;"));
    EXPECT_EQ(CheckState(check), BST_CHECKED);
    EXPECT_FALSE(Click(Item(IDC_PROBE_DISABLED)));
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonWithWhatWasEntered) {
    ASSERT_TRUE(SetEditText(Item(IDC_PROBE_NAME), "Zed"));
    ASSERT_TRUE(ChooseComboItem(Item(IDC_PROBE_CHOICE), "Beta"));
    ASSERT_TRUE(Click(Item(IDC_PROBE_CHECK)));
    ExpectEndsWith(m_dialog, PressKey(m_dialog, VK_RETURN),
                   "Probe Frame - OK name=Zed choice=Beta checked=1");
}

TEST_F(DialogTest, EscapeCancelsTheDialog) {
    ExpectEndsWith(m_dialog, PressKey(m_dialog, VK_ESCAPE), "Probe Frame - Cancel");
}

TEST_F(DialogTest, TabOrderAndFocusFollowTheTemplate) {
    const std::vector<HWND> expected = {Item(IDC_PROBE_NAME), Item(IDC_PROBE_CHOICE),
                                        Item(IDC_PROBE_CHECK), Item(IDOK), Item(IDCANCEL)};
    EXPECT_EQ(TabOrder(m_dialog), expected);
    EXPECT_EQ(FocusedControl(m_dialog), expected[0]);
    ASSERT_TRUE(PressKey(m_dialog, VK_TAB));
    EXPECT_TRUE(WaitUntil([&] { return FocusedControl(m_dialog) == expected[1]; }, kLimit));
}

TEST_F(ProbeTest, CtrlKeyReachesTheFramesAccelerators) {
    // Without Ctrl the key is no accelerator.
    ASSERT_TRUE(PressAsKeyboard(m_frame, 'D'));
    EXPECT_EQ(WaitForDialog(m_probe, kDialogCaption, kAbsent), nullptr);
    ASSERT_TRUE(PressCtrlKey(m_frame, 'D'));
    HWND dialog = WaitForDialog(m_probe, kDialogCaption, kLimit);
    ASSERT_NE(dialog, nullptr);
    // Real keys reach the dialog too, where its keyboard focus is.
    ASSERT_TRUE(PressAsKeyboard(dialog, 'Q', {VK_SHIFT}));
    EXPECT_TRUE(TextBecomes(FindControl(dialog, IDC_PROBE_NAME), "Q"));
    ASSERT_TRUE(PressAsKeyboard(dialog, VK_ESCAPE));
    EXPECT_TRUE(TextBecomes(m_frame, "Probe Frame - Cancel"));
}

TEST_F(ProbeTest, ClosingTheFrameEitherWayEndsTheProgram) {
    struct Way {
        const char* name;
        bool (*close)(HWND);
    };
    const Way ways[] = {{"close message", AskToClose}, {"system menu", CloseFromSystemMenu}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        Process probe = Process::Start(QuoteArgument(ProbePath()));
        HWND frame = WaitForWindow(probe, kFrameClass, kFrameCaption, kLimit);
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(way.close(frame));
        EXPECT_EQ(probe.WaitForExit(kLimit), DWORD(0));
        EXPECT_TRUE(probe.WaitForProcessTree(kLimit));
    }
}

TEST_F(ProbeTest, MovesTheFrame) {
    ASSERT_TRUE(MoveWindowTo(m_frame, 130, 110));
    const RECT moved = ScreenRect(m_frame);
    EXPECT_EQ(moved.left, 130);
    EXPECT_EQ(moved.top, 110);
}

class FileDialogTest : public ProbeTest {
protected:
    void TearDown() override { DeleteFileA(m_chosen.c_str()); }

    std::string ScratchName() {
        return TempFolder() + "zembra-dialogprobe-" + std::to_string(GetCurrentProcessId());
    }

    // The file dialog that command opens, which is no message box.
    HWND Open(UINT command) {
        EXPECT_TRUE(InvokeCommand(m_frame, command));
        HWND dialog = WaitForFileDialog(m_probe, kLimit);
        EXPECT_FALSE(dialog && IsMessageBox(dialog));
        return dialog;
    }

    std::string m_chosen = ScratchName() + ".prb";
};

// In one run: Save As takes the typed path with the default extension, a cancelled dialog chooses
// nothing, Open takes an existing file.
TEST_F(FileDialogTest, SavingTakesTheTypedPathCancellingNothingOpeningAnExistingFile) {
    HWND dialog = Open(ID_PROBE_SAVE);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ChooseFile(dialog, ScratchName()));
    EXPECT_TRUE(TextBecomes(m_frame, "Probe Frame - file " + m_chosen));

    dialog = Open(ID_PROBE_SAVE);
    ASSERT_NE(dialog, nullptr);
    ExpectEndsWith(dialog, CancelFileDialog(dialog), "Probe Frame - no file");

    std::ofstream(m_chosen) << "probe";
    dialog = Open(ID_PROBE_OPEN);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ChooseFile(dialog, m_chosen));
    EXPECT_TRUE(TextBecomes(m_frame, "Probe Frame - file " + m_chosen));
}

TEST_F(ProbeTest, SavesAScreenshotAsPng) {
    const std::string path = SaveScreenshot(m_frame, "driver-probe-frame");
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.rfind(TestOutputFolder(), 0), 0u);
    std::ifstream file(path, std::ios::binary);
    std::string signature(8, '\0');
    file.read(&signature[0], 8);
    EXPECT_EQ(signature, "\x89PNG\r\n\x1A\n");
    const RECT frame = ScreenRect(m_frame);
    const auto pixels =
        static_cast<std::streamoff>(frame.right - frame.left) * (frame.bottom - frame.top) * 3;
    file.seekg(0, std::ios::end);
    EXPECT_GT(file.tellg(), pixels);
}

struct TemplateItem {
    int id;
    const char* className;
    const char* text;
    DWORD styleBits;
    RECT units;
};

void ExpectItems(const DialogTemplate& dialog, const std::vector<TemplateItem>& expected) {
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        const DialogItem& item = dialog.items[i];
        EXPECT_EQ(item.id, expected[i].id);
        EXPECT_EQ(item.className, expected[i].className);
        EXPECT_EQ(item.text, expected[i].text);
        EXPECT_EQ(item.textId, 0);
        const DWORD bits = expected[i].styleBits | WS_CHILD;
        EXPECT_EQ(item.style & bits, bits);
        EXPECT_EQ(EdgesOf(item.units), EdgesOf(expected[i].units));
    }
}

// What the probe's dialog templates share: the font; and the form, title and size of each.
struct TemplateHeader {
    UINT id;
    bool extended;
    const char* title;
    LONG right;
    LONG bottom;
};

std::optional<DialogTemplate> ProbeTemplate(const TemplateHeader& header) {
    const auto resources = ProgramResources::Load(ProbePath());
    EXPECT_TRUE(resources) << ProbePath();
    auto dialog = resources ? resources->Dialog(header.id) : std::nullopt;
    EXPECT_TRUE(dialog) << header.title;
    if (dialog) {
        EXPECT_EQ(dialog->extended, header.extended);
        EXPECT_EQ(dialog->title, header.title);
        EXPECT_EQ(dialog->fontFace, "MS Sans Serif");
        EXPECT_EQ(dialog->fontPoints, 8);
        EXPECT_EQ(dialog->units.right, header.right);
        EXPECT_EQ(dialog->units.bottom, header.bottom);
    }
    return dialog;
}

TEST(ProgramResources, ReadsADialogTemplateWithItsItemsInOrder) {
    const auto dialog = ProbeTemplate({IDD_PROBE_DIALOG, false, "Probe Dialog", 195, 96});
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->style & (DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU),
              DWORD(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU));
    // The combo box keeps the opened list's height, which its window does not show.
    ExpectItems(*dialog, {{-1, "Static", "&Name:", SS_LEFT, {7, 9, 37, 17}},
                          {IDC_PROBE_NAME, "Edit", "", ES_AUTOHSCROLL, {40, 7, 140, 21}},
                          {IDC_PROBE_CHOICE, "ComboBox", "", CBS_DROPDOWNLIST, {40, 25, 140, 85}},
                          {IDC_PROBE_CHECK, "Button", "&Check", BS_AUTOCHECKBOX, {40, 43, 100, 53}},
                          {IDC_PROBE_EVENTS, "Static", "", SS_LEFT, {7, 58, 187, 66}},
                          {IDC_PROBE_DISABLED, "Button", "&Disabled", WS_DISABLED, {7, 75, 57, 89}},
                          {IDOK, "Button", "OK", BS_DEFPUSHBUTTON, {80, 75, 130, 89}},
                          {IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON, {135, 75, 185, 89}}});
}

TEST(ProgramResources, ReadsAnExtendedDialogTemplate) {
    const auto dialog = ProbeTemplate({IDD_PROBE_NOTE, true, "Probe Note", 120, 50});
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->exStyle & WS_EX_TOOLWINDOW, DWORD(WS_EX_TOOLWINDOW));
    ExpectItems(*dialog, {{-1, "Static", "Only a note && a button", SS_LEFT, {7, 7, 107, 15}},
                          {IDOK, "Button", "OK", BS_DEFPUSHBUTTON, {35, 29, 85, 43}}});
    const auto resources = ProgramResources::Load(ProbePath());
    ASSERT_TRUE(resources);
    EXPECT_FALSE(resources->Dialog(999));
}

TEST(ProgramResources, ReadsMenuAcceleratorsAndStringsFromTheFile) {
    const auto resources = ProgramResources::Load(ProbePath());
    ASSERT_TRUE(resources);
    EXPECT_EQ(resources->String(IDR_PROBE_FRAME),
              std::string("Probe\n\nProbe\nProbe Files (*.prb)\n.prb"));
    EXPECT_FALSE(resources->String(IDR_PROBE_FRAME + 1));

    const auto menu = resources->Menu(IDR_PROBE_FRAME);
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->size(), 1u);
    EXPECT_EQ((*menu)[0].text, "&Probe");
    // Text, id, separator and grayed (which a separator does not carry) of each item.
    using Item = std::tuple<std::string, UINT, bool, bool>;
    std::vector<Item> items;
    for (const MenuEntry& item : (*menu)[0].items)
        items.emplace_back(item.text, item.id, item.separator,
                           !item.separator && (item.state & MFS_GRAYED) != 0);
    EXPECT_EQ(items, (std::vector<Item>{{"&Dialog...\tCtrl+D", ID_PROBE_DIALOG, false, false},
                                        {"&Open...", ID_PROBE_OPEN, false, false},
                                        {"Save &As...", ID_PROBE_SAVE, false, false},
                                        {"&Grayed", ID_PROBE_GRAYED, false, true},
                                        {"&Note...", ID_PROBE_NOTE, false, false},
                                        {"", 0, true, false},
                                        {"E&xit", ID_PROBE_EXIT, false, false}}));

    const auto accelerators = resources->Accelerators(IDR_PROBE_FRAME);
    ASSERT_TRUE(accelerators);
    ASSERT_EQ(accelerators->size(), 1u);
    EXPECT_EQ((*accelerators)[0].flags & ~0x80, FVIRTKEY | FCONTROL);
    EXPECT_EQ((*accelerators)[0].key, 'D');
    EXPECT_EQ((*accelerators)[0].command, ID_PROBE_DIALOG);
    EXPECT_FALSE(resources->Menu(999));
    EXPECT_FALSE(ProgramResources::Load("Z:\\no\\such\\program.exe"));
}

} // namespace
