// Compiled without stack protection: the guard changes here, and no function that checks it may
// be running across the change.
#include "ProcessStart.h"

#include "framework/StackGuard.h"

#include <windows.h>

extern "C" {
// The C runtime's own entry points.
int WinMainCRTStartup();
int mainCRTStartup();
}

namespace {

// The search for DLLs by bare name in the system folder alone where the system allows it (from
// Windows 8, and Windows 7 with its update); elsewhere at least without the current folder.
void RestrictDllSearch() {
    using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
    const auto setDefault =
        reinterpret_cast<SetDefaultDllDirectoriesFunction*>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault == nullptr || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryW(L"");
}

} // namespace

int ZembraWindowsStart() {
    RestrictDllSearch();
    SeedStackGuard();
    return WinMainCRTStartup();
}

int ZembraConsoleStart() {
    RestrictDllSearch();
    SeedStackGuard();
    return mainCRTStartup();
}
