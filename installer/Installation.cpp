#include "Installation.h"

#include "InstallProduct.h"
#include "PreviousVersion.h"
#include "RunLog.h"
#include "installer/core/InstallerTexts.h"

#include <cstdio>

namespace {

// The version as the log shows it: "1.0", "2.5", "0.0".
std::string VersionText(double version) {
    char text[32] = "";
    std::snprintf(text, sizeof text, "%g", version);
    const std::string shown = text;
    return shown.find_first_not_of("-0123456789") == std::string::npos ? shown + ".0" : shown;
}

} // namespace

void InstallUnlessDeclined(const std::string& path, const Agreement& agree, RunMode mode,
                           installer::InstallOutcome& outcome) {
    using installer::InstallOutcome;
    outcome = InstallOutcome::NothingInstalled;
    const double installed = GetInstalledVersion();
    LogStep(installer::kLogInstalledVersion + VersionText(installed) + ".");
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
