#pragma once
// The uninstaller's steps, one small file each.

#include <string>
#include <windows.h>

// Remembers that the removal is not complete (exit code 1).
void MarkIncomplete();

// True when the user is an administrator or chooses to go on without being one.
bool ConfirmAdministrator();

// True while a process named exactly "Zembra.exe" runs.
bool IsProductRunning();

// Deletes the product's files, its registry trees and, through the self-removal script, the
// uninstaller and the install folder; then reports whether everything went.
void UninstallProduct();

// The install folder recorded under HKEY_LOCAL_MACHINE, with its trailing backslash; empty, after
// a message, when it cannot be found.
std::string GetInstallPath();

// Deletes the four installed files and the desktop shortcut.
void DeleteProductFiles();
// Deletes one file; a file that is already gone is no failure.
void DeleteProductFile(const std::string& path);

// Deletes the product's five registry trees, each independently.
void DeleteRegistryKeys();
void DeleteRegistryTree(HKEY root, const std::string& key);

// Writes the self-removal script into the temporary folder and starts it hidden, in that folder,
// without waiting. True when it was written and the shell started it.
bool RunSelfRemovalScript();
// Writes the script's text to scriptPath; false, after a message, when it cannot be written.
bool WriteSelfRemovalScript(const std::string& scriptPath, const std::string& programPath,
                            const std::string& programFolder);

// A fresh name in the temporary folder with the given extension (without the period): the
// system's unique "TMP" name with its extension replaced. Empty on any failure.
std::string MakeTempFileName(const std::string& extension);
// The system's temporary folder with its trailing backslash, or empty.
std::string GetTempDirectory();
