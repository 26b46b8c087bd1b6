#include "Installation.h"

#include "InstallProduct.h"
#include "PreviousVersion.h"

void InstallUnlessDeclined(const std::string& path, const Agreement& agree,
                           installer::InstallOutcome& outcome) {
    using installer::InstallOutcome;
    outcome = InstallOutcome::NothingInstalled;
    const InstallDecision decision = DecideInstall(GetInstalledVersion());
    if (decision != InstallDecision::InstallAtOnce) {
        if (!agree(decision))
            return;
        RemovePreviousVersion();
    }
    outcome = InstallOutcome::Incomplete;
    if (InstallProduct(path))
        outcome = InstallOutcome::Complete;
}
