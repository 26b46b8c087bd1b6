#pragma once
// The system's known folders (the user's documents, the programs folder, the all-users desktop).

#include <windows.h>

#include <shlobj.h>

#include <string>

// The folder's full path in UTF-16, without a trailing backslash, as the shell gives it
// (SHGetKnownFolderPath); empty when the shell has none for this user.
std::wstring KnownFolderPath(const KNOWNFOLDERID& folder);
