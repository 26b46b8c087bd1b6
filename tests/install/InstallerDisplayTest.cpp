// The installer and the uninstaller on today's displays: both load the version-6 common controls
// their manifests ask for; at the session's DPI (96, or 144 in the session tests/at-dpi makes) the
// install dialog shows every control inside its client area and its icon at the size icons have at
// that DPI, also after a move to another display, and a picture of it is kept per DPI.

#include "tests/driver/Control.h"
#include "tests/driver/Modules.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/SystemEvents.h"
#include "tests/install/InstallTest.h"

using namespace install;
using namespace testdriver;

namespace {

class TodaysControls : public InstallerTest {};

TEST_F(TodaysControls, InstallerDialogAndUninstallerBoxLoadTheSideBySideVersion6) {
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(CommonControlsOtherThanVersion6(installer.Id()), "") << "the installer";
    CancelDialog(installer, dialog);

    // Nothing is installed: the uninstaller asks first, and No ends it.
    Process uninstaller = Process::Start(QuoteArgument(UninstallerPath()));
    ASSERT_NE(WaitForBox(uninstaller, kWindowLimit), nullptr);
    EXPECT_EQ(CommonControlsOtherThanVersion6(uninstaller.Id()), "") << "the uninstaller";
    EXPECT_EQ(Texts(Converse(uninstaller, AnswerNo)), std::vector<std::string>{kConfirmUninstall});
}

class InstallerAtThisDpi : public InstallerTest {};

TEST_F(InstallerAtThisDpi, DialogShowsEveryControlAndItsIconAtTheDisplaysSizeAndIsPictured) {
    ASSERT_EQ(ScreenDpi(), ExpectedDpi()) << "the session's display has another DPI";
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ChildrenOutside(dialog, dialog), "");
    EXPECT_FALSE(SaveScreenshotAtDpi(dialog, "installer-dialog").empty());

    const HWND icon = FindIconControl(dialog);
    ASSERT_NE(icon, nullptr);
    const auto expectIconAt = [icon](int dpi) {
        const RECT r = ScreenRect(icon);
        EXPECT_EQ(r.right - r.left, IconSideAt(dpi)) << dpi << " DPI";
        EXPECT_EQ(r.bottom - r.top, IconSideAt(dpi)) << dpi << " DPI";
    };
    expectIconAt(ScreenDpi());
    // Moved to a display of twice the DPI, and back.
    for (const int dpi : {2 * ScreenDpi(), ScreenDpi()}) {
        ASSERT_TRUE(ChangeDpi(dialog, static_cast<UINT>(dpi), ScreenRect(dialog)));
        expectIconAt(dpi);
    }
    CancelDialog(installer, dialog);
}

} // namespace
