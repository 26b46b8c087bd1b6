#pragma once
// One installation once its folder is settled: the decision on the installed version, the removal
// of the previous version, the installation itself, and how the run ended.

#include "InstallTarget.h"
#include "installer/core/InstalledVersion.h"
#include "installer/core/Outcome.h"

#include <functional>
#include <string>

// Answers the question a decision asks (a re-install, a higher version): true to go on.
using Agreement = std::function<bool(InstallDecision decision)>;

// A person answers the installer's boxes, or nobody sees anything (/S).
enum class RunMode { Interactive, Silent };

// Installs into target's folder (not refused beforehand: RefusalOf): none at all when the folder
// cannot be made (reported, nothing removed or written); otherwise at once over an older version
// or none; after agree has agreed, over this version or a higher one, removing it first. dialog
// (when there is one) is hidden before the last message. outcome follows the run as it goes
// (nothing installed, then incomplete once the installation has begun, then as it ended), so that
// a run stopped by an exception still tells what it left.
void InstallUnlessDeclined(const InstallTarget& target, const Agreement& agree, RunMode mode,
                           HWND dialog, installer::InstallOutcome& outcome);
