#include "Installation.h"

#include "InstallProduct.h"
#include "PreviousVersion.h"
#include "RunLog.h"
#include "installer/core/InstallerTexts.h"
#include "support/core/VersionText.h"

void InstallUnlessDeclined(const std::string& path, const Agreement& agree, RunMode mode,
                           installer::InstallOutcome& outcome) {
    using installer::InstallOutcome;
    outcome = InstallOutcome::NothingInstalled;
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
    outcome = InstallOutcome::Incomplete;
    if (InstallProduct(path))
        outcome = InstallOutcome::Complete;
}
