#pragma once
// Every text the installer shows or writes, in one place.

namespace installer {

constexpr const char* kWindowTitle = "Install Zembra 1.0";
// The folder offered is kInstallFolderName in the system's Program Files folder;
// kDefaultInstallPath when the system cannot name that folder.
constexpr const char* kInstallFolderName = "Zembra";
constexpr const char* kDefaultInstallPath = "C:\\Program Files\\Zembra\\";

// The two questions before the dialog.
constexpr const char* kStartQuestion =
    "This program will install Zembra 1.0\nDo you want to continue?";
constexpr const char* kNotAdministratorQuestion =
    "You are currently not logged in as an administrator.\n"
    "You may not be able to install this program unless you login as an administrator.\n"
    "Continue anyway?";

// The dialog.
constexpr const char* kSupportedSystems = "Zembra 1.0 runs on Windows 7, 8, 8.1, 10 and 11.";
constexpr const char* kBrowseTitle = "Please select folder to install to...";
constexpr const char* kFullPathRequired = "Please enter a full path to install to.";
constexpr const char* kDriveRootRefused = "Please choose a folder, not the root of a drive.";
// A link on the way to the folder: kLinkRefusalStart, the link's path, kLinkRefusalEnd.
constexpr const char* kLinkRefusalStart = "The folder ";
constexpr const char* kLinkRefusalEnd =
    " is a link to another place. Please choose another folder.";

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

// The entry in the list of installed programs: the value that deployment tools run to remove the
// product without asking, written besides the fourteen of the layout.
constexpr const char* kQuietUninstallValue = "QuietUninstallString";

// The command line.
constexpr const char* kUnknownArgument = "Unknown argument: ";
constexpr const char* kUsage =
    "Usage: \"Install Zembra 1.0.exe\" [/S] [/LOG=FILE] [/D=FOLDER]\n"
    "\n"
    "/S\tInstall silently: no question, no dialog, no message.\n"
    "/LOG=FILE\tWrite a log of the run to FILE.\n"
    "/D=FOLDER\tInstall into FOLDER, a full path. Last on the line, without quotes.\n"
    "\n"
    "Exit code: 0 installed, 1 installed but a step failed, 2 nothing installed.";

// A log file of /LOG= that cannot be opened: the start, the path, the end, the description.
constexpr const char* kLogNotOpenedStart = "The log file ";
constexpr const char* kLogNotOpenedEnd = " could not be opened.\n";

// The log of a run.
constexpr const char* kLogStarted = "Install Zembra 1.0, command line: ";
constexpr const char* kLogSilent = "Silent run.";
constexpr const char* kLogInteractive = "Interactive run.";
constexpr const char* kLogNotAdministrator =
    "Not run with administrator rights: nothing is installed.";
constexpr const char* kLogMessage = "Message: ";
constexpr const char* kLogInstalledVersion = "Installed version: ";
constexpr const char* kLogHigherVersionKept =
    "A higher version is installed; a silent run does not replace it.";
constexpr const char* kLogNothingInstalled = "Nothing is installed.";
constexpr const char* kLogRemovingPrevious = "Removing the previous version: ";
constexpr const char* kLogPreviousEnded = "The previous version's uninstaller ended, exit code ";
constexpr const char* kLogLeftoversEnded =
    "Processes the previous version's uninstaller left running, ended: ";
constexpr const char* kLogRegistryEntries = "Registry entries for ";
constexpr const char* kLogFolder = "Folder ";
constexpr const char* kLogFiles = "Files in ";
constexpr const char* kLogShortcut = "Shortcut ";
constexpr const char* kLogDone = ": done.";
constexpr const char* kLogFailed = ": failed.";
constexpr const char* kLogExitCode = "Exit code ";

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
