#pragma once
// The installation itself, once the user has chosen the folder and an earlier version is gone.

#include <string>

// Into dir (a backslash appended when missing): registry entries (the layout's fourteen and the
// installer's own extra value), payload files, the desktop shortcut, each attempted whatever the
// ones before reported and each logged; then hides the dialog, refreshes the desktop and reports
// "Installation complete." when every step succeeded, otherwise that the product was not
// completely installed. True when complete.
bool InstallProduct(const std::string& dir);

// The installer's own value in the entry in the list of installed programs, removed with it:
// "QuietUninstallString", the command deployment tools run to remove the product silently. True
// when written.
bool WriteUninstallEntryExtras(const std::string& dir);

// Asks the desktop (the "Program Manager" window) to show the new shortcut and icons.
void RefreshDesktop();
