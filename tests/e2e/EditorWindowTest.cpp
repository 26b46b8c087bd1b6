// The editor's window at sizes other than its form's: a stored placement smaller or larger than
// the form, and the move to a display of another DPI, which the test announces as the system
// does.

#include "tests/driver/Control.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Resources.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/SystemEvents.h"
#include "tests/driver/Window.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

using namespace e2e;
using namespace testdriver;

namespace {

constexpr UINT kFormTemplate = 104;
constexpr DWORD kBothBars = WS_HSCROLL | WS_VSCROLL;

// A placement of the given size, as an earlier run leaves it.
void StorePlacement(LONG width, LONG height) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = {120, 90, 120 + width, 90 + height};
    ASSERT_TRUE(
        SetBinary(HKEY_CURRENT_USER, kProductKey, "WindowPlacement", &placement, sizeof placement));
}

SIZE SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SizeOf(client);
}

HWND FormOf(HWND frame) {
    return GetParent(FindControl(frame, kCaption));
}

// The control lies wholly in the visible part of the form.
bool InView(HWND frame, int id) {
    const RECT rect = RectInParent(FindControl(frame, id));
    const SIZE visible = ClientSize(FormOf(frame));
    return rect.left >= 0 && rect.top >= 0 && rect.right <= visible.cx && rect.bottom <= visible.cy;
}

class EditorWindow : public ZembraTest {};

} // namespace

TEST_F(EditorWindow, TheFormShowsScrollBarsWhereTheWindowIsSmallerThanIt) {
    const struct {
        SIZE window;
        DWORD bars;
    } cases[] = {{{220, 200}, kBothBars}, {{700, 200}, WS_VSCROLL}, {{700, 640}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.window.cx) + "x" + std::to_string(c.window.cy));
        StorePlacement(c.window.cx, c.window.cy);
        EditorSession editor(ZembraPath());
        const HWND frame = editor.Frame();
        ASSERT_NE(frame, nullptr);
        // The window keeps the size the user left it at.
        const SIZE size = SizeOf(ScreenRect(frame));
        EXPECT_EQ(size.cx, c.window.cx);
        EXPECT_EQ(size.cy, c.window.cy);
        EXPECT_EQ(StyleOf(FormOf(frame)) & kBothBars, c.bars);
        EXPECT_EQ(editor.Close(), std::optional<DWORD>(0));
    }
}

TEST_F(EditorWindow, EveryControlOfASmallWindowCanBeScrolledTo) {
    StorePlacement(220, 200);
    EditorSession editor(ZembraPath());
    const HWND frame = editor.Frame();
    ASSERT_NE(frame, nullptr);
    const HWND form = FormOf(frame);
    ASSERT_FALSE(InView(frame, kTest));
    const RECT caption = RectInParent(FindControl(frame, kCaption));

    // The scroll bars, pulled to their ends, show Test and Generate.
    ASSERT_TRUE(UseScrollBar(form, SB_VERT, SB_BOTTOM));
    ASSERT_TRUE(UseScrollBar(form, SB_HORZ, SB_BOTTOM));
    EXPECT_TRUE(
        WaitUntil([&] { return InView(frame, kTest) && InView(frame, kGenerate); }, kWindowLimit));
    Settle(frame);
    SaveScreenshot(frame, "editor-scrolled");

    // The wheel, turned away from the user over the form, goes back up to the caption.
    ASSERT_TRUE(TurnWheel(form, 10));
    EXPECT_TRUE(
        WaitUntil([&] { return RectInParent(FindControl(frame, kCaption)).top == caption.top; },
                  kWindowLimit));

    // Back at the start, Shift+Tab from the caption moves the focus to the last tab stop,
    // Buttons and time, out of sight, and the form scrolls to it.
    ASSERT_TRUE(UseScrollBar(form, SB_HORZ, SB_TOP));
    ASSERT_TRUE(WaitUntil([&] { return !InView(frame, kButtonsAndTime); }, kWindowLimit));
    ASSERT_EQ(FocusedControl(frame), FindControl(frame, kCaption));
    ASSERT_TRUE(PressAsKeyboard(frame, VK_TAB, {VK_SHIFT}));
    EXPECT_TRUE(
        WaitUntil([&] { return FocusedControl(frame) == FindControl(frame, kButtonsAndTime); },
                  kWindowLimit));
    EXPECT_TRUE(WaitUntil([&] { return InView(frame, kButtonsAndTime); }, kWindowLimit));
    EXPECT_EQ(editor.Close(), std::optional<DWORD>(0));
}

TEST_F(EditorWindow, ADpiChangeLaysTheFormOutAgainAndTheWindowFitsItAgain) {
    const auto resources = ProgramResources::Load(ZembraPath());
    ASSERT_TRUE(resources);
    const auto form = resources->Dialog(kFormTemplate);
    ASSERT_TRUE(form);
    const struct {
        const char* name;
        std::optional<SIZE> placement; // none: the window fits the form
    } cases[] = {{"a window that fits the form", std::nullopt},
                 {"a window smaller than the form", SIZE{220, 200}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.placement)
            StorePlacement(c.placement->cx, c.placement->cy);
        else
            DeleteValue(HKEY_CURRENT_USER, kProductKey, "WindowPlacement");
        EditorSession editor(ZembraPath());
        const HWND frame = editor.Frame();
        ASSERT_NE(frame, nullptr);
        const RECT start = ScreenRect(frame);
        const LONG comboHeight = SizeOf(ScreenRect(FindControl(frame, kIcon))).cy;

        for (const int dpi : {144, 120, 96}) {
            SCOPED_TRACE(dpi);
            // The system suggests the window's size scaled to the new DPI, a little elsewhere.
            const SIZE scaled = {MulDiv(SizeOf(start).cx, dpi, 96),
                                 MulDiv(SizeOf(start).cy, dpi, 96)};
            const RECT suggested = {start.left + 10, start.top + 20, start.left + 10 + scaled.cx,
                                    start.top + 20 + scaled.cy};
            ASSERT_TRUE(ChangeDpi(frame, static_cast<UINT>(dpi), suggested));
            const RECT window = ScreenRect(frame);
            EXPECT_EQ(window.left, suggested.left);
            EXPECT_EQ(window.top, suggested.top);

            // Every named control where the template puts it, in dialog units of the form's
            // font at the new DPI.
            const DialogBaseUnits base = BaseUnitsOf(form->fontFace, form->fontPoints, dpi);
            for (const DialogItem& item : form->items) {
                if (item.id == -1 || item.className == "ComboBox")
                    continue;
                EXPECT_TRUE(IsRect(DialogUnitRect(FindControl(frame, item.id), base), item.units))
                    << item.id;
            }
            const LONG combo = SizeOf(ScreenRect(FindControl(frame, kIcon))).cy;
            EXPECT_EQ(combo > comboHeight, dpi > 96) << "the lists' font did not follow";

            const RECT whole = ControlUnitsToPixels(form->units, base);
            const SIZE formSize = SizeOf(whole);
            if (!c.placement) {
                // The window fits the form exactly again.
                EXPECT_EQ(ClientSize(frame).cx, formSize.cx);
                EXPECT_EQ(ClientSize(frame).cy, formSize.cy);
                EXPECT_EQ(StyleOf(FormOf(frame)) & kBothBars, 0u);
            } else {
                // The smaller window keeps the suggested size and scrolls.
                EXPECT_EQ(SizeOf(window).cx, scaled.cx);
                EXPECT_EQ(SizeOf(window).cy, scaled.cy);
                EXPECT_EQ(StyleOf(FormOf(frame)) & kBothBars, kBothBars);
            }
            if (dpi == 144) {
                Settle(frame);
                SaveScreenshot(frame, c.placement ? "editor-dpi-144-small" : "editor-dpi-144");
            }
        }
        // Back at 96 DPI the window is as it was.
        const RECT back = ScreenRect(frame);
        EXPECT_EQ(SizeOf(back).cx, SizeOf(start).cx);
        EXPECT_EQ(SizeOf(back).cy, SizeOf(start).cy);
        EXPECT_EQ(editor.Close(), std::optional<DWORD>(0));
    }
}
