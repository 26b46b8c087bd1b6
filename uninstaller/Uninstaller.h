#pragma once
// The uninstaller's steps, one small file each. Each step reports its own failures and tells the
// caller whether it went; the application object combines the outcomes into the exit code.

#include <string>
#include <windows.h>

// True when the user is an administrator or chooses to go on without being one.
bool ConfirmAdministrator();

// True while a process named exactly "Zembra.exe" runs.
bool IsProductRunning();

// Deletes the product's files, its registry trees and, through the self-removal script, the
// uninstaller and the install folder; then reports whether everything went, and returns it.
bool UninstallProduct();

// The install folder recorded under HKEY_LOCAL_MACHINE, with its trailing backslash; empty, after
// a message, when it cannot be found.
std::string GetInstallPath();

// Deletes the installed files and the desktop shortcut, each independently. True when the install
// folder was found and every file went.
bool DeleteProductFiles();
// Deletes one file; a file that is already gone is no failure. False, after a message, when the
// file is still there.
bool DeleteProductFile(const std::string& path);

// Deletes the product's five registry trees, each independently. True when all five went.
bool DeleteRegistryKeys();
// Deletes one tree; false, after a message, when it could not be deleted.
bool DeleteRegistryTree(HKEY root, const std::string& key);

// Writes the self-removal script into a new file in the script folder (GetScriptDirectory) and
// starts it hidden, in that folder, without waiting. True when it was written and the shell
// started it.
bool RunSelfRemovalScript();
// Writes the script's text into scriptPath, a file just made for it by MakeTempFileName, which is
// opened as it is and never created or replaced here; false, after a message, when it cannot be
// written.
bool WriteSelfRemovalScript(const std::string& scriptPath, const std::string& programPath,
                            const std::string& programFolder);

// The folder the script goes to: the Windows folder's temporary folder, where users may create
// files but cannot change, delete or rename the files of others, so that no program can rewrite
// the script that runs with the uninstaller's rights. Only when no file can be created there at
// all (a run without administrator rights) the user's temporary folder.
std::string GetScriptDirectory();
// The Windows folder's temporary folder ("<Windows folder>\Temp\"), or empty.
std::string GetWindowsTempDirectory();
// The user's temporary folder with its trailing backslash, or empty.
std::string GetTempDirectory();

// A new, empty file in folder named as the system names temporary files, "TMP<hex>", with the
// given extension (without the period): the system's unique name with its extension replaced, or,
// when a file of that name exists already, the next free one (CreateNewTempFile). Its path, or
// empty on any failure.
std::string MakeTempFileName(const std::string& folder, const std::string& extension);
// Creates "TMP<unique>.<extension>" in folder as a new file, never opening one that exists: when
// the name is taken, the next number's name, and so on through all of them. The path of the file
// it created, or empty.
std::string CreateNewTempFile(const std::string& folder, unsigned unique,
                              const std::string& extension);
