#pragma once
// Every text the installer shows or writes, in one place.

namespace installer {

constexpr const char* kWindowTitle = "Install Zembra 1.0";
constexpr const char* kDefaultInstallPath = "C:\\Program Files\\Zembra\\";

// The two questions before the dialog.
constexpr const char* kStartQuestion =
    "This program will install Zembra 1.0\nDo you want to continue?";
constexpr const char* kNotAdministratorQuestion =
    "You are currently not logged in as an administrator.\n"
    "You may not be able to install this program unless you login as an administrator.\n"
    "Continue anyway?";

// The dialog.
constexpr const char* kDesignedFor = "Zembra 1.0 was designed for and tested on Windows XP.";
constexpr const char* kBrowseTitle = "Please select folder to install to...";
constexpr const char* kFullPathRequired = "Please enter a full path to install to.";

// Install.
constexpr const char* kReinstallQuestion =
    "Zembra 1.0 has already been detected on your system.\nWould you like to re-install?";
constexpr const char* kReplaceHigherQuestion =
    "A higher version of Zembra is already installed on your system.\n"
    "Would you like to replace is with Zembra 1.0";
constexpr const char* kPreviousNotRemoved =
    "The previous version of Zembra could not be completely removed.\n"
    "Continuing with installation anyway.";
constexpr const char* kInstallationComplete = "Installation complete.";
constexpr const char* kNotCompletelyInstalled = "Zembra 1.0 was not completely installed.";

// Whatever an exception barrier stopped, followed by what the exception said.
constexpr const char* kUnexpectedError = "An unexpected error stopped this operation:\n";

// Payload.
constexpr const char* kCouldNotCreateDirectory = "Could not create directory.\n";
constexpr const char* kAttemptingToContinue = "Attempting to continue installation.";

// Shortcut.
constexpr const char* kShortcutDescription = "Runs and edits message box (.zembra) files.";
constexpr const char* kCoCreateInstanceFailed =
    "Could not create shortcut.\nCoCreateInstance() failed.\n";
constexpr const char* kQueryInterfaceFailed =
    "Could not create shortcut.\nQueryInterface() failed.\n";
constexpr const char* kSaveFailed = "Could not create shortcut.\nIShellLink::Save() failed.\n";

} // namespace installer
