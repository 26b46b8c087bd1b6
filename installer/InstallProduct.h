#pragma once
// The installation itself, once the user has chosen the folder and an earlier version is gone.

#include "installer/core/Outcome.h"
#include "support/FailedStringWrite.h"

#include <windows.h>

#include <string>

// Into dir (a full path ending in a backslash), once its folder is checked again, made with the
// protected access list when missing and held: the payload files, the desktop shortcut, then the
// registry entries (the layout's fourteen and the installer's own extra value), each attempted
// whatever the ones before reported and each logged; then hides dialog (when there is one),
// refreshes the desktop and reports "Installation complete." when every step succeeded, otherwise
// that the product was not completely installed. A folder that cannot be made changes nothing:
// its message, the report, and nothing installed.
installer::InstallOutcome InstallProduct(const std::string& dir, HWND dialog);

// The installer's own value in the entry in the list of installed programs, removed with it:
// "QuietUninstallString", the command deployment tools run to remove the product silently; a
// refused value is told to failed. True when written.
bool WriteUninstallEntryExtras(const std::string& dir, const FailedStringWrite& failed);

// Asks the desktop (the "Program Manager" window) to show the new shortcut and icons.
void RefreshDesktop();
