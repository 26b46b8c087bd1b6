#pragma once
// An earlier installation: its recorded version, and its removal by its own uninstaller.

#include "support/ShellRun.h"

// The "Version" the earlier installation recorded, read as ParseInstalledVersion reads it;
// 0.0 when there is none.
double GetInstalledVersion();

// Runs the recorded uninstaller silently, by its full path only (PreviousUninstaller), and waits
// until it has ended, then, a few seconds at most, until the removal script it left behind has
// finished, and ends whatever of it still runs then, so that nothing of the old installation acts
// on the new one. Reports an uninstaller it cannot find or run (the shell, too, when shellErrors
// allows it); the installation goes on either way.
void RemovePreviousVersion(ShellErrors shellErrors);
