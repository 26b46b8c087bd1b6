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
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

using namespace e2e;
using namespace testdriver;

namespace {

class TodaysControls : public EditorRunTest {};

TEST_F(TodaysControls, EditorAndRunModeBoxLoadTheSideBySideVersion6) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    EXPECT_EQ(CommonControlsOtherThanVersion6(Program().Id()), "") << "the editor";
    CloseEditor();
    Process run = StartRun(m_scratch.Write("box.zembra", Document("Caption", "Text", 0x2000)));
    const HWND box = WaitForBox(run, kBoxLimit);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(CommonControlsOtherThanVersion6(run.Id()), "") << "the run's box";
    EXPECT_TRUE(PressButton(box, IDOK));
    EXPECT_EQ(run.WaitForExit(kExitLimit), DWORD(IDOK));
}

class AtThisDpi : public EditorRunTest {
protected:
    void SetUp() override {
        ASSERT_EQ(ScreenDpi(), ExpectedDpi()) << "the session's display has another DPI";
        // A placement stored at another DPI would size the frame instead of the form.
        DeleteValue(HKEY_CURRENT_USER, kProductKey, "WindowPlacement");
        StartEditor();
    }
};

TEST_F(AtThisDpi, AboutShowsItsIconAtTheDisplaysSizeAlsoAfterAMoveToAnother) {
    const HWND about = m_editor->OpenDialog(kAbout);
    ASSERT_NE(about, nullptr);
    const HWND icon = FindIconControl(about);
    ASSERT_NE(icon, nullptr);
    const auto expectIconAt = [icon](int dpi) {
        EXPECT_TRUE(IsSize(SizeOf(ScreenRect(icon)), {IconSideAt(dpi), IconSideAt(dpi)})) << dpi;
    };
    expectIconAt(ScreenDpi());
    // Moved to a display of twice the DPI, and back.
    for (const int dpi : {2 * ScreenDpi(), ScreenDpi()}) {
        ASSERT_TRUE(ChangeDpi(about, static_cast<UINT>(dpi), ScreenRect(about)));
        expectIconAt(dpi);
    }
    EXPECT_TRUE(CloseDialog(about));
    CloseEditor();
}

// The editor's frame, then each dialog in turn, in one run.
TEST_F(AtThisDpi, EveryWindowShowsEveryControlInsideItsClientAreaAndIsPictured) {
    const HWND form = FindWindowExA(m_frame, nullptr, "#32770", nullptr);
    ASSERT_NE(form, nullptr);
    Settle(m_frame);
    EXPECT_EQ(ChildrenOutside(m_frame, m_frame), "") << "the form is cut";
    EXPECT_EQ(ChildrenOutside(form, m_frame), "") << "controls of the form are cut";
    EXPECT_FALSE(SaveScreenshotAtDpi(m_frame, "editor").empty());
    const std::pair<UINT, const char*> dialogs[] = {{kLogOptions, "log-options"},
                                                    {kAbout, "about"}};
    for (const auto& [command, picture] : dialogs) {
        SCOPED_TRACE(picture);
        const HWND dialog = m_editor->OpenDialog(command);
        ASSERT_NE(dialog, nullptr);
        Settle(dialog);
        EXPECT_EQ(ChildrenOutside(dialog, dialog), "");
        EXPECT_FALSE(SaveScreenshotAtDpi(dialog, picture).empty());
        EXPECT_TRUE(CloseDialog(dialog));
    }
    CloseEditor();
}

} // namespace
