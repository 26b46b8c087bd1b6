#pragma once
// The desktop folder shared by all users, where the product's shortcut lies.

#include <string>

// The all-users desktop as the shell names it (the known folder FOLDERID_PublicDesktop), in UTF-8
// (PathEncoding.h) with its trailing backslash, whether or not it exists; empty when the shell
// names none, so that no caller ever takes a bare file name for a file on the desktop.
std::string GetCommonDesktopPath();
