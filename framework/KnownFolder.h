#pragma once
// The system's known folders (Program Files, the all-users desktop, the user's documents), as the
// shell names them for this machine and user.

#include <windows.h>

#include <shlobj.h>
#include <string>

// The folder's full path as the shell gives it (SHGetKnownFolderPath, without a trailing
// backslash), whether or not it exists: it is neither created nor checked, so a caller that uses
// a missing one meets the system's own error naming it. Empty when the shell cannot name it (no
// such folder on this system, a folder the user has none of, the shell not loadable). The folder
// ids are those of <knownfolders.h> (FOLDERID_ProgramFiles, FOLDERID_PublicDesktop,
// FOLDERID_Documents); a program that names one links uuid.
std::wstring KnownFolderPath(const KNOWNFOLDERID& folder);
