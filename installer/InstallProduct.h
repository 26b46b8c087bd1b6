#pragma once
// The installation itself, once the user has chosen the folder and an earlier version is gone.

#include <string>

// Into dir (a backslash appended when missing): registry entries, payload files, the desktop
// shortcut, each attempted whatever the ones before reported; then hides the dialog, refreshes the
// desktop and reports "Installation complete." when every step succeeded, otherwise that the
// product was not completely installed. True when complete.
bool InstallProduct(const std::string& dir);

// Asks the desktop (the "Program Manager" window) to show the new shortcut and icons.
void RefreshDesktop();
