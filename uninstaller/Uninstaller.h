#pragma once
// The uninstaller's steps, one small file each. Each step reports its own failures and tells the
// caller whether it went; the application object combines the outcomes into the exit code.

#include "framework/UniqueHandle.h"
#include "support/core/RegistryLayout.h"
#include "uninstaller/core/SelfRemovalScript.h"

#include <string>
#include <windows.h>

// True while a process named exactly "Zembra.exe" runs.
bool IsProductRunning();

// Deletes the product's files, its registry trees and, through the self-removal script, the
// uninstaller and the install folder; then reports whether everything went, and returns it.
bool UninstallProduct();

// The install folder recorded under HKEY_LOCAL_MACHINE, in UTF-8 (PathEncoding.h) and with its
// trailing backslash; empty, after a message, when it cannot be found.
std::string GetInstallPath();

// Deletes the installed files and the desktop shortcut, each independently. True when the install
// folder was found and every file went.
bool DeleteProductFiles();
// Deletes one file (its path in UTF-8); a file that is already gone is no failure. False, after a
// message, when the file is still there.
bool DeleteProductFile(const std::string& path);

// Deletes the product's five registry trees, each independently. True when all five went.
bool DeleteRegistryKeys();
// Deletes one tree of the layout where it is kept (StoredKey); false, after a message naming it
// as the layout does, when it could not be deleted.
bool DeleteRegistryTree(const RegistryTree& tree);

// Writes the self-removal script into a new file in the script folder (GetScriptDirectory) and
// starts it, hidden and without waiting, with the paths it works on in its environment. True when
// it was written and started.
bool RunSelfRemovalScript();
// Writes the script's text into scriptPath, a file just made for it by MakeTempFileName, which is
// opened as it is and never created or replaced here; false, after a message, when it cannot be
// written.
bool WriteSelfRemovalScript(const std::wstring& scriptPath);
// Starts the written script as "<system folder>\cmd.exe /d /c", without a window, in the script's
// folder, with the paths and the number of tries in its environment. The command interpreter's
// process, or no handle when it could not be started.
KernelHandle StartSelfRemovalScript(const uninstaller::ScriptPaths& paths, unsigned tries);

// The folder the script goes to: the Windows folder's temporary folder, where users may create
// files but cannot change, delete or rename the files of others, so that no program can rewrite
// the script that runs with the uninstaller's rights. Only when no file can be created there at
// all (a run without administrator rights) the user's temporary folder.
std::wstring GetScriptDirectory();
// The temporary folder of the system's Windows folder ("<Windows folder>\Temp\"), or empty.
std::wstring GetWindowsTempDirectory();
// The user's temporary folder with its trailing backslash, or empty.
std::wstring GetTempDirectory();
// The system folder (System32) with its trailing backslash, or empty.
std::wstring GetSystemFolder();

// A new, empty file in folder named as the system names temporary files, "TMP<hex>", with the
// given extension (without the period): the system's unique name with its extension replaced, or,
// when a file of that name exists already, the next free one (CreateNewTempFile). Its path, or
// empty on any failure.
std::wstring MakeTempFileName(const std::wstring& folder, const std::wstring& extension);
// Creates "TMP<unique>.<extension>" in folder as a new file, never opening one that exists: when
// the name is taken, the next number's name, and so on through all of them. The path of the file
// it created, or empty.
std::wstring CreateNewTempFile(const std::wstring& folder, unsigned unique,
                               const std::wstring& extension);
