#pragma once
// The shell's folder picker, opened on the folder the dialog offers.

#include <windows.h>

#include <string>

// Shows the picker owned by owner (may be NULL), preselecting g_strInstallPath. The chosen
// folder's path, or an empty string when the picker is cancelled.
std::string BrowseForFolder(HWND owner);

// The picker's callback: on BFFM_INITIALIZED it selects the first 259 characters of
// g_strInstallPath. Returns 0 for every message.
int CALLBACK BrowseCallback(HWND picker, UINT message, LPARAM lParam, LPARAM data);
