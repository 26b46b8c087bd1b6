#pragma once
// What a running program has loaded, read from outside as a debugger would.

#include <windows.h>

#include <string>
#include <vector>

namespace testdriver {

// The path of every module process pid has loaded (its program file and its DLLs), as the system
// names them; empty when the process cannot be read.
std::vector<std::string> LoadedModules(DWORD pid);

// Those of LoadedModules that are a comctl32.dll, wherever they were loaded from.
std::vector<std::string> LoadedCommonControls(DWORD pid);

// Whether path is the version-6 common controls of the side-by-side store, which a manifest
// asking for Microsoft.Windows.Common-Controls 6.0.0.0 gets: comctl32.dll in the store's folder
// for that assembly, version 6. (The file's own version resource cannot tell: under Wine both
// copies of the DLL carry the same.)
bool IsSideBySideCommonControls6(const std::string& path);

} // namespace testdriver
