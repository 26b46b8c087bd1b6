// Zembra on today's displays. The editor and a run's box both load the version-6 common controls
// their manifest asks for. At the session's DPI (96 in the common session, 144 in the one
// tests/at-dpi makes), the form and each dialog show every control inside their client area, About
// shows its icon at the size icons have at that DPI and again after a move to another display, and
// a picture of each window is kept per DPI.

#include "tests/driver/Control.h"
#include "tests/driver/Modules.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/SystemEvents.h"
#include "tests/driver/Window.h"
#include "tests/driver/core/NamedCase.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

#include <ostream>

using namespace e2e;
using namespace testdriver;

namespace {

SIZE SizeOf(HWND window) {
    const RECT r = ScreenRect(window);
    return {r.right - r.left, r.bottom - r.top};
}

class TodaysControls : public ZembraTest {};

TEST_F(TodaysControls, EditorAndRunModeBoxLoadTheSideBySideVersion6) {
    {
        EditorSession editor(ZembraPath());
        ASSERT_NE(editor.Frame(), nullptr);
        EXPECT_EQ(CommonControlsOtherThanVersion6(editor.Program().Id()), "") << "the editor";
        EXPECT_EQ(editor.Close(), DWORD(0));
    }
    const std::string document = m_scratch.Write("box.zembra", Document("Caption", "Text", 0x2000));
    Process run = StartZembra("RUN " + QuoteArgument(document));
    const HWND box = WaitForBox(run, kBoxLimit);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(CommonControlsOtherThanVersion6(run.Id()), "") << "the run's box";
    EXPECT_TRUE(PressButton(box, IDOK));
    EXPECT_EQ(run.WaitForExit(kExitLimit), DWORD(IDOK));
}

class AtThisDpi : public ZembraTest {
protected:
    void SetUp() override {
        ASSERT_EQ(ScreenDpi(), ExpectedDpi()) << "the session's display has another DPI";
        // A placement stored at another DPI would size the frame instead of the form.
        DeleteValue(HKEY_CURRENT_USER, kProductKey, "WindowPlacement");
        m_editor.emplace(ZembraPath());
        ASSERT_NE(m_editor->Frame(), nullptr);
    }

    std::optional<EditorSession> m_editor;
};

TEST_F(AtThisDpi, AboutShowsItsIconAtTheDisplaysSizeAlsoAfterAMoveToAnother) {
    const HWND about = m_editor->OpenDialog(kAbout);
    ASSERT_NE(about, nullptr);
    const HWND icon = FindIconControl(about);
    ASSERT_NE(icon, nullptr);
    const auto expectIconAt = [icon](int dpi) {
        EXPECT_EQ(SizeOf(icon).cx, IconSideAt(dpi)) << dpi << " DPI";
        EXPECT_EQ(SizeOf(icon).cy, IconSideAt(dpi)) << dpi << " DPI";
    };
    expectIconAt(ScreenDpi());
    // Moved to a display of twice the DPI, and back.
    for (const int dpi : {2 * ScreenDpi(), ScreenDpi()}) {
        ASSERT_TRUE(ChangeDpi(about, static_cast<UINT>(dpi), ScreenRect(about)));
        expectIconAt(dpi);
    }
    EXPECT_TRUE(CloseDialog(about));
    EXPECT_EQ(m_editor->Close(), DWORD(0));
}

struct WindowCase : testdriver::NamedCase {
    UINT command; // the menu command that opens it; 0 for the editor's frame itself
    const char* picture;
};

const WindowCase kWindows[] = {
    {"Editor", 0, "editor"},
    {"LogOptions", kLogOptions, "log-options"},
    {"About", kAbout, "about"},
};

class AtThisDpiWindow : public AtThisDpi, public testing::WithParamInterface<WindowCase> {};

TEST_P(AtThisDpiWindow, ShowsEveryControlInsideItsClientAreaAndIsPictured) {
    const HWND frame = m_editor->Frame();
    const HWND window = GetParam().command ? m_editor->OpenDialog(GetParam().command) : frame;
    ASSERT_NE(window, nullptr);
    Settle(window);
    if (window == frame) {
        const HWND form = FindWindowExA(frame, nullptr, "#32770", nullptr);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(ChildrenOutside(frame, frame), "") << "the form is cut";
        EXPECT_EQ(ChildrenOutside(form, frame), "") << "controls of the form are cut";
    } else {
        EXPECT_EQ(ChildrenOutside(window, window), "");
    }
    EXPECT_FALSE(SaveScreenshotAtDpi(window, GetParam().picture).empty());
    if (window != frame) {
        EXPECT_TRUE(CloseDialog(window));
    }
    EXPECT_EQ(m_editor->Close(), DWORD(0));
}

INSTANTIATE_TEST_SUITE_P(Editor, AtThisDpiWindow, testing::ValuesIn(kWindows),
                         testdriver::CaseName());

} // namespace
