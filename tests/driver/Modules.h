#pragma once
// What a running program has loaded, read from outside as a debugger would.

#include <windows.h>

#include <string>
#include <vector>

namespace testdriver {

// The path of every module process pid has loaded (its program file and its DLLs), as the system
// names them; empty when the process cannot be read.
std::vector<std::string> LoadedModules(DWORD pid);

// "" when process pid has loaded exactly one comctl32.dll and that is the version-6 common
// controls of the side-by-side store, which a manifest asking for Microsoft.Windows.Common-Controls
// 6.0.0.0 gets; otherwise the comctl32.dll files it has loaded, one line each (none at all reads
// "no comctl32.dll"). The DLL's own version cannot tell: under Wine both copies carry the same.
std::string CommonControlsOtherThanVersion6(DWORD pid);

} // namespace testdriver
