// The log options and About dialogs as the editor shows them: every control of their templates
// in order, with its class, text, kind, place and size in dialog units; the dialogs' titles,
// frames, sizes, default buttons and the focus they open with. A picture of each is kept with
// the test output.

#include "tests/driver/Control.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/Window.h"
#include "tests/driver/core/NamedCase.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

#include <ostream>

using namespace e2e;
using namespace testdriver;

namespace {

// What a dialog template's unnamed controls carry as their id.
constexpr int kUnnamed = 0xFFFF;

// A control's class and the bits of its style that are compared (mask) with the expected ones.
struct Kind {
    const char* className;
    DWORD mask;
    DWORD style;
};

constexpr DWORD kEditBits = ES_MULTILINE | ES_AUTOHSCROLL | ES_NUMBER | ES_READONLY | ES_PASSWORD;
constexpr DWORD kStaticBits = SS_TYPEMASK | SS_CENTERIMAGE;
constexpr DWORD kButtonBits = BS_TYPEMASK | WS_TABSTOP;

constexpr Kind kCheckBox{"Button", kButtonBits, BS_AUTOCHECKBOX | WS_TABSTOP};
constexpr Kind kPushButton{"Button", kButtonBits, BS_PUSHBUTTON | WS_TABSTOP};
constexpr Kind kDefaultButton{"Button", kButtonBits, BS_DEFPUSHBUTTON | WS_TABSTOP};
constexpr Kind kGroupBox{"Button", BS_TYPEMASK, BS_GROUPBOX};
constexpr Kind kField{"Edit", kEditBits | WS_TABSTOP, ES_AUTOHSCROLL | WS_TABSTOP};
constexpr Kind kNumberField{"Edit", kEditBits | WS_TABSTOP,
                            ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP};
constexpr Kind kLabel{"Static", kStaticBits, SS_LEFT};
constexpr Kind kCenteredLabel{"Static", kStaticBits, SS_LEFT | SS_CENTERIMAGE};
constexpr Kind kIconImage{"Static", SS_TYPEMASK, SS_ICON};

struct ControlRow {
    int id;
    Kind kind;
    const char* text; // nullptr: set at run time, checked elsewhere
    RECT units;       // left, top, right, bottom in dialog units
};

const std::vector<ControlRow> kOptionsControls = {
    {1000, kCheckBox, "Output log when running or editing message box.", {10, 15, 179, 25}},
    {1001, kField, nullptr, {50, 30, 175, 42}},
    {1002, kNumberField, nullptr, {75, 45, 110, 57}},
    {1003, kPushButton, "&Browse...", {125, 45, 175, 59}},
    {IDOK, kDefaultButton, "&OK", {75, 70, 125, 84}},
    {IDCANCEL, kPushButton, "&Cancel", {130, 70, 180, 84}},
    {kUnnamed, kGroupBox, "Log File Options", {5, 5, 180, 65}},
    {kUnnamed, kCenteredLabel, "Output To:", {10, 30, 45, 42}},
    {kUnnamed, kCenteredLabel, "Max Log Size (KB):", {10, 47, 71, 55}},
};

const std::vector<ControlRow> kAboutControls = {
    {IDOK, kDefaultButton, "OK", {75, 55, 125, 69}},
    {kUnnamed, kIconImage, nullptr, {5, 5, 25, 25}},
    {1007, kLabel, nullptr, {35, 5, 130, 13}},
    {1008, kLabel, nullptr, {35, 15, 125, 23}},
    {1009, kLabel, nullptr, {35, 25, 130, 33}},
    {1010, kLabel, nullptr, {35, 35, 125, 43}},
};

struct DialogCase : testdriver::NamedCase {
    UINT command;
    const char* title;
    LONG width, height; // the client area in dialog units
    DWORD frameStyle;   // caption and frame bits that must be set
    DWORD absentStyle;  // frame bits that must not be
    int focus;          // the control that has the focus once the dialog is open
    std::vector<ControlRow> controls;
    const char* screenshot; // the picture's file name
};

const DialogCase kDialogs[] = {
    {"LogOptions", kLogOptions, "Dialog", 187, 86,
     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD,
     1000, kOptionsControls, "log-options-dialog"},
    {"About", kAbout, "About Zembra...", 132, 74, WS_POPUP | WS_CAPTION | WS_SYSMENU,
     WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD, IDOK, kAboutControls,
     "about-dialog"},
};

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// The control that has the focus once the dialog's thread has set it, within kWindowLimit.
HWND FocusOnceSet(HWND dialog) {
    WaitUntil(
        [dialog] {
            const HWND focus = FocusedControl(dialog);
            return focus != nullptr && focus != dialog;
        },
        kWindowLimit);
    return FocusedControl(dialog);
}

class DialogTemplate : public EditorDialogTest, public testing::WithParamInterface<DialogCase> {
protected:
    void SetUp() override { OpenEditorDialog(GetParam().command); }

    void TearDown() override {
        if (m_dialog != nullptr)
            CloseEditorDialog();
    }
};

TEST_P(DialogTemplate, HoldsTheTemplatesControlsInOrder) {
    const DialogCase& dialog = GetParam();
    const DialogBaseUnits base = BaseUnitsOf("MS Sans Serif", 8);
    const std::vector<HWND> children = Children(m_dialog);
    ASSERT_EQ(children.size(), dialog.controls.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = dialog.controls[i];
        HWND control = children[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(row.id) + ")");
        EXPECT_EQ(GetDlgCtrlID(control), row.id);
        EXPECT_EQ(ClassOf(control), row.kind.className);
        if (row.text) {
            EXPECT_EQ(TextOf(control), std::string(row.text));
        }
        EXPECT_EQ(StyleOf(control) & row.kind.mask, row.kind.style);
        EXPECT_TRUE(IsShown(control));
        if (row.kind.mask == kIconImage.mask && row.kind.style == kIconImage.style) {
            // An icon takes its own size wherever its template puts it.
            const RECT placed = ControlUnitsToPixels(row.units, base);
            EXPECT_TRUE(IsRect(RectInParent(control),
                               {placed.left, placed.top, placed.left + GetSystemMetrics(SM_CXICON),
                                placed.top + GetSystemMetrics(SM_CYICON)}));
            continue;
        }
        const auto units = DialogUnitRect(control, base);
        ASSERT_TRUE(units) << "not on whole dialog units: " << Describe(RectInParent(control));
        EXPECT_EQ(Describe(*units), Describe(row.units));
    }
}

TEST_P(DialogTemplate, OpensWithItsTitleFrameSizeDefaultButtonAndFocus) {
    const DialogCase& dialog = GetParam();
    EXPECT_EQ(TextOf(m_dialog), std::string(dialog.title));
    EXPECT_EQ(StyleOf(m_dialog) & dialog.frameStyle, dialog.frameStyle);
    EXPECT_EQ(StyleOf(m_dialog) & dialog.absentStyle, 0u);
    EXPECT_EQ(ExStyleOf(m_dialog) & WS_EX_DLGMODALFRAME, DWORD(WS_EX_DLGMODALFRAME));
    EXPECT_EQ(GetWindow(m_dialog, GW_OWNER), m_editor->Frame());
    EXPECT_FALSE(IsEnabled(m_editor->Frame())) << "the dialog is not modal";

    RECT client{};
    ASSERT_TRUE(GetClientRect(m_dialog, &client));
    const auto units = PixelsToDialogUnits(client, BaseUnitsOf("MS Sans Serif", 8));
    ASSERT_TRUE(units) << Describe(client);
    EXPECT_EQ(units->right, dialog.width);
    EXPECT_EQ(units->bottom, dialog.height);

    DWORD_PTR defaultId = 0;
    ASSERT_TRUE(
        SendMessageTimeoutA(m_dialog, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, 2000, &defaultId));
    EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defaultId), IDOK);
    for (HWND control : Children(m_dialog)) {
        if (ClassOf(control) == "Button" && (StyleOf(control) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            EXPECT_EQ(GetDlgCtrlID(control), IDOK) << "a second default button";
        }
    }

    EXPECT_EQ(FocusOnceSet(m_dialog), FindControl(m_dialog, dialog.focus));
}

TEST_P(DialogTemplate, ScreenshotIsKept) {
    EXPECT_FALSE(SaveScreenshot(m_dialog, GetParam().screenshot).empty());
}

INSTANTIATE_TEST_SUITE_P(Editor, DialogTemplate, testing::ValuesIn(kDialogs),
                         testdriver::CaseName());

} // namespace
