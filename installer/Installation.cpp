#include "Installation.h"

#include "InstallProduct.h"
#include "PreviousVersion.h"
#include "RunLog.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "installer/core/InstallerTexts.h"
#include "support/core/VersionText.h"

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
        RemovePreviousVersion(mode == RunMode::Silent ? ShellErrors::Hidden : ShellErrors::Shown);
    }
    // Should anything stop the run from here on, something may have been written.
    outcome = InstallOutcome::Incomplete;
    outcome = InstallProduct(target.dir, dialog);
}
