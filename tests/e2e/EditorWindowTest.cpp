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

class EditorWindow : public EditorRunTest {};

} // namespace

TEST_F(EditorWindow, TheFormShowsScrollBarsWhereTheWindowIsSmallerThanIt) {
    const struct {
        SIZE window;
        DWORD bars;
    } cases[] = {{{220, 200}, kBothBars}, {{700, 200}, WS_VSCROLL}, {{700, 640}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.window.cx) + "x" + std::to_string(c.window.cy));
        StorePlacement(c.window.cx, c.window.cy);
        ASSERT_NO_FATAL_FAILURE(StartEditor());
        // The window keeps the size the user left it at.
        EXPECT_TRUE(IsSize(SizeOf(ScreenRect(m_frame)), c.window));
        EXPECT_EQ(StyleOf(FormOf(m_frame)) & kBothBars, c.bars);
        CloseEditor();
    }
}

TEST_F(EditorWindow, EveryControlOfASmallWindowCanBeScrolledTo) {
    StorePlacement(220, 200);
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    const HWND form = FormOf(m_frame);
    ASSERT_FALSE(InView(m_frame, kTest));
    const RECT caption = RectInParent(FindControl(m_frame, kCaption));

    // The scroll bars, pulled to their ends, show Test and Generate.
    ASSERT_TRUE(UseScrollBar(form, SB_VERT, SB_BOTTOM));
    ASSERT_TRUE(UseScrollBar(form, SB_HORZ, SB_BOTTOM));
    EXPECT_TRUE(WaitUntil([&] { return InView(m_frame, kTest) && InView(m_frame, kGenerate); },
                          kWindowLimit));
    Settle(m_frame);
    SaveScreenshot(m_frame, "editor-scrolled");

    // The wheel, turned away from the user over the form, goes back up to the caption.
    ASSERT_TRUE(TurnWheel(form, 10));
    EXPECT_TRUE(
        WaitUntil([&] { return RectInParent(FindControl(m_frame, kCaption)).top == caption.top; },
                  kWindowLimit));

    // Back at the start, Shift+Tab from the caption moves the focus to the last tab stop,
    // Buttons and time, out of sight, and the form scrolls to it.
    ASSERT_TRUE(UseScrollBar(form, SB_HORZ, SB_TOP));
    ASSERT_TRUE(WaitUntil([&] { return !InView(m_frame, kButtonsAndTime); }, kWindowLimit));
    ASSERT_EQ(FocusedControl(m_frame), FindControl(m_frame, kCaption));
    ASSERT_TRUE(PressAsKeyboard(m_frame, VK_TAB, {VK_SHIFT}));
    EXPECT_TRUE(
        WaitUntil([&] { return FocusedControl(m_frame) == FindControl(m_frame, kButtonsAndTime); },
                  kWindowLimit));
    EXPECT_TRUE(WaitUntil([&] { return InView(m_frame, kButtonsAndTime); }, kWindowLimit));
    CloseEditor();
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
        ASSERT_NO_FATAL_FAILURE(StartEditor());
        const RECT start = ScreenRect(m_frame);
        const LONG comboHeight = SizeOf(ScreenRect(FindControl(m_frame, kIcon))).cy;

        for (const int dpi : {144, 120, 96}) {
            SCOPED_TRACE(dpi);
            // The system suggests the window's size scaled to the new DPI, a little elsewhere.
            const SIZE scaled = {MulDiv(SizeOf(start).cx, dpi, 96),
                                 MulDiv(SizeOf(start).cy, dpi, 96)};
            const RECT suggested = {start.left + 10, start.top + 20, start.left + 10 + scaled.cx,
                                    start.top + 20 + scaled.cy};
            ASSERT_TRUE(ChangeDpi(m_frame, static_cast<UINT>(dpi), suggested));
            const RECT window = ScreenRect(m_frame);
            EXPECT_EQ(window.left, suggested.left);
            EXPECT_EQ(window.top, suggested.top);

            // Every named control where the template puts it, in dialog units of the form's
            // font at the new DPI.
            const DialogBaseUnits base = BaseUnitsOf(form->fontFace, form->fontPoints, dpi);
            for (const DialogItem& item : form->items) {
                if (item.id == -1 || item.className == "ComboBox")
                    continue;
                EXPECT_TRUE(IsRect(DialogUnitRect(FindControl(m_frame, item.id), base), item.units))
                    << item.id;
            }
            const LONG combo = SizeOf(ScreenRect(FindControl(m_frame, kIcon))).cy;
            EXPECT_EQ(combo > comboHeight, dpi > 96) << "the lists' font did not follow";

            const SIZE formSize = SizeOf(ControlUnitsToPixels(form->units, base));
            if (!c.placement) {
                // The window fits the form exactly again.
                EXPECT_TRUE(IsSize(ClientSize(m_frame), formSize));
                EXPECT_EQ(StyleOf(FormOf(m_frame)) & kBothBars, 0u);
            } else {
                // The smaller window keeps the suggested size and scrolls.
                EXPECT_TRUE(IsSize(SizeOf(window), scaled));
                EXPECT_EQ(StyleOf(FormOf(m_frame)) & kBothBars, kBothBars);
            }
            if (dpi == 144) {
                Settle(m_frame);
                SaveScreenshot(m_frame, c.placement ? "editor-dpi-144-small" : "editor-dpi-144");
            }
        }
        // Back at 96 DPI the window is as it was.
        EXPECT_TRUE(IsSize(SizeOf(ScreenRect(m_frame)), SizeOf(start)));
        CloseEditor();
    }
}
