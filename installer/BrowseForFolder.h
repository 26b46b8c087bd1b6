#pragma once
// The shell's folder picker, opened on the folder the dialog offers.

#include <windows.h>

#include <string>

// Shows the picker owned by owner (may be NULL), preselecting the first 259 characters of
// folder, which reach BrowseCallback as the picker's callback data. The chosen folder's path, or
// an empty string when the picker is cancelled. Both paths in UTF-8 (PathEncoding.h), so that a
// folder of any script can be offered and chosen.
std::string BrowseForFolder(HWND owner, const std::string& folder);

// The picker's callback: on BFFM_INITIALIZED it selects the path that data points to (a
// terminated UTF-16 string). Returns 0 for every message.
int CALLBACK BrowseCallback(HWND picker, UINT message, LPARAM lParam, LPARAM data);
