#pragma once
// The installation itself, once the user has chosen the folder and an earlier version is gone.

#include <string>

// Into dir (a backslash appended when missing): registry entries, payload files, the desktop
// shortcut; then hides the dialog, refreshes the desktop and reports "Installation complete.",
// whatever the steps before reported.
void InstallProduct(const std::string& dir);

// Asks the desktop (the "Program Manager" window) to show the new shortcut and icons.
void RefreshDesktop();
