#pragma once
// The shell's folder picker, opened on the folder the dialog offers.

#include <windows.h>

#include <string>

// Shows the picker owned by owner (may be NULL), preselecting the first 259 characters of
// folder, which reach BrowseCallback as the picker's callback data. The chosen folder's path, or
// an empty string when the picker is cancelled.
std::string BrowseForFolder(HWND owner, const std::string& folder);

// The picker's callback: on BFFM_INITIALIZED it selects the path that data points to (a
// terminated string). Returns 0 for every message.
int CALLBACK BrowseCallback(HWND picker, UINT message, LPARAM lParam, LPARAM data);
