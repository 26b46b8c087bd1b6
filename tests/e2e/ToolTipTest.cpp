// The tips of the log options dialog: one for the check box, the path and the size field each,
// registered with the dialog's own tooltip control with their texts, none for the buttons; the
// tip width that breaks the lines and the delays; and the tip a resting mouse brings up.

#include "tests/driver/Control.h"
#include "tests/driver/Handles.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/Window.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"
#include "tests/e2e/ToolTips.h"

#include <commctrl.h>

using namespace e2e;
using namespace testdriver;

namespace {

struct TipRow {
    int id;
    const char* text;
};

const TipRow kTips[] = {
    {1000, "Enable/disable outputting a log file.\n"
           "A log file is required when e-mailing for help.\n"
           "See Help->Contents for more information."},
    {1001, "Enter the path that the log file should be outputted to."},
    {1002, "Enter the maximum size of the log file.\n"
           "When the log file reaches this size, it will be emptied."},
};

// The font tips are written in: the system's status font.
FontHandle StatusFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    return FontHandle(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)
                          ? CreateFontIndirectA(&metrics.lfStatusFont)
                          : nullptr);
}

// The height of one line of a tip; 0 when it cannot be measured.
int TipLineHeight() {
    const FontHandle font = StatusFont();
    const ScreenDC screen;
    if (!font.Get() || !screen)
        return 0;
    const SelectedObject selected(screen.Get(), font.Get());
    TEXTMETRICA text{};
    return selected && GetTextMetricsA(screen.Get(), &text) ? text.tmHeight : 0;
}

class ToolTips : public EditorDialogTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(OpenEditorDialog(kLogOptions));
        m_toolTip = FindToolTipOf(m_dialog);
        ASSERT_NE(m_toolTip, nullptr) << "the dialog has no tooltip control";
    }

    void TearDown() override {
        if (m_dialog != nullptr)
            CloseEditorDialog();
    }

    HWND m_toolTip = nullptr;
};

TEST_F(ToolTips, CheckBoxPathAndSizeHaveTheirTipsWidthAndDelaysAndNothingElseHasOne) {
    const auto tools = ReadTools(m_toolTip);
    ASSERT_TRUE(tools) << "the tooltip control could not be asked";
    ASSERT_EQ(tools->size(), std::size(kTips));
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_dialog, GWLP_HINSTANCE));
    for (std::size_t i = 0; i < std::size(kTips); ++i) {
        SCOPED_TRACE("control " + std::to_string(kTips[i].id));
        const Tool& tool = (*tools)[i];
        EXPECT_EQ(tool.flags, UINT(TTF_IDISHWND | TTF_SUBCLASS));
        EXPECT_EQ(tool.hwnd, m_dialog);
        EXPECT_EQ(tool.id, reinterpret_cast<UINT_PTR>(FindControl(m_dialog, kTips[i].id)));
        EXPECT_EQ(tool.hinst, instance);
        EXPECT_EQ(tool.text, kTips[i].text);
    }
    for (int id : {1003, IDOK, IDCANCEL}) {
        const auto button = reinterpret_cast<UINT_PTR>(FindControl(m_dialog, id));
        for (const Tool& tool : *tools)
            EXPECT_NE(tool.id, button) << "button " << id << " has a tip";
    }
    // The width that breaks the tips' lines, and the delays.
    EXPECT_EQ(AskToolTip(m_toolTip, TTM_GETMAXTIPWIDTH), 300);
    EXPECT_EQ(AskToolTip(m_toolTip, TTM_GETDELAYTIME, TTDT_INITIAL), 1000);
    EXPECT_EQ(AskToolTip(m_toolTip, TTM_GETDELAYTIME, TTDT_AUTOPOP), 4000);
    // Left at the system's default, which follows the double-click time.
    EXPECT_EQ(AskToolTip(m_toolTip, TTM_GETDELAYTIME, TTDT_RESHOW),
              static_cast<LRESULT>(GetDoubleClickTime() / 5));
}

TEST_F(ToolTips, RestingOnTheCheckBoxShowsItsTip) {
    HWND check = FindControl(m_dialog, 1000);
    const RECT box = ScreenRect(check);
    // The mouse comes from outside, as a person's does, and stops over the box's label.
    ASSERT_TRUE(SetCursorPos(box.left - 20, box.top - 20));
    Settle(m_dialog);
    ASSERT_TRUE(SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(m_toolTip) != FALSE; }, kWindowLimit))
        << "no tip appeared";
    EXPECT_EQ(WindowText(m_toolTip), kTips[0].text);
    const RECT tip = ScreenRect(m_toolTip);
    EXPECT_FALSE(SaveScreenshot(m_toolTip, "log-options-tip").empty());
    // Three lines, broken where the text breaks them, which a tip does only with a width set.
    const int line = TipLineHeight();
    ASSERT_GT(line, 0);
    EXPECT_GE(tip.bottom - tip.top, 3 * line);
    EXPECT_LT(tip.bottom - tip.top, 4 * line);
    EXPECT_LE(tip.right - tip.left, 300 + line) << "wider than the tips may be";
    SetCursorPos(0, 0);
}

} // namespace
