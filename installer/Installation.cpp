#include "Installation.h"

#include "InstallProduct.h"
#include "PreviousVersion.h"
#include "RunLog.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "installer/core/InstallerTexts.h"
#include "support/core/VersionText.h"

namespace {

// A window disabled for the length of a scope, enabled again after when it was enabled before.
class DisabledWindow {
public:
    explicit DisabledWindow(HWND window)
        : m_window(window), m_bWasEnabled(window != nullptr && !EnableWindow(window, FALSE)) {}
    ~DisabledWindow() {
        if (m_bWasEnabled)
            EnableWindow(m_window, TRUE);
    }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

private:
    HWND m_window;
    bool m_bWasEnabled;
};

} // namespace

void InstallUnlessDeclined(const InstallTarget& target, const Agreement& agree, RunMode mode,
                           HWND dialog, installer::InstallOutcome& outcome) {
    using installer::InstallOutcome;
    outcome = InstallOutcome::NothingInstalled;
    if (ReportUnusableFolder(target)) {
        ShowMessage(installer::kNotCompletelyInstalled, AfxGetAppName(), MB_ICONERROR);
        return;
    }
    const double installed = GetInstalledVersion();
    LogStep(installer::kLogInstalledVersion + ExactVersionText(installed) + ".");
    const InstallDecision decision = DecideInstall(installed);
    if (decision != InstallDecision::InstallAtOnce) {
        if (!agree(decision)) {
            LogStep(installer::kLogNothingInstalled);
            return;
        }
        // The dialog takes no input while the old version goes, but it still answers: every
        // wait of the removal dispatches the thread's messages.
        const DisabledWindow disabled(dialog);
        RemovePreviousVersion(mode == RunMode::Silent ? ShellErrors::Hidden : ShellErrors::Shown);
    }
    // Should anything stop the run from here on, something may have been written.
    outcome = InstallOutcome::Incomplete;
    outcome = InstallProduct(target.dir, dialog);
}
