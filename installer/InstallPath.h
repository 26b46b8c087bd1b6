#pragma once
// The folder the install dialog offers, shared by the dialog and the folder picker.

#include <string>

// Set to the default install folder at start; refreshed from the path field before the folder
// picker opens, which preselects it.
extern std::string g_strInstallPath;
