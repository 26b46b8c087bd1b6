#pragma once
// An earlier installation: its recorded version, and its removal by its own uninstaller.

// The "Version" the earlier installation recorded, read as ParseInstalledVersion reads it;
// 0.0 when there is none.
double GetInstalledVersion();

// Runs the recorded uninstaller silently and waits until it has ended, then, a few seconds at
// most, until the removal script it left behind has finished, so that the script cannot delete
// files of the new installation. Reports a failure to run it; the installation goes on either way.
void RemovePreviousVersion();
