#include "SystemLibrary.h"

namespace {

// What each road loads by name: measured under Wine with its loader preferring a DLL beside the
// program (the first window's delay load of msimg32), and what the system's shell loads on Windows
// (the theme and window-manager DLLs for the first window, the property system for the shell's
// dialogs and links, the imaging components for the file dialogs' icons). None is a KnownDLL.
struct RoadLibraries {
    SystemRoad road;
    const wchar_t* const* names;
};

const wchar_t* const kWindows[] = {L"uxtheme.dll", L"dwmapi.dll", L"msimg32.dll", nullptr};
const wchar_t* const kFileDialog[] = {L"propsys.dll", L"windowscodecs.dll", nullptr};
const wchar_t* const kFolderPicker[] = {L"propsys.dll", nullptr};
const wchar_t* const kShellLink[] = {L"propsys.dll", nullptr};

const RoadLibraries kRoads[] = {
    {SystemRoad::Windows, kWindows},
    {SystemRoad::FileDialog, kFileDialog},
    {SystemRoad::FolderPicker, kFolderPicker},
    {SystemRoad::ShellLink, kShellLink},
};

} // namespace

HMODULE LoadSystemLibrary(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
    std::size_t length = 0;
    while (name[length] != L'\0')
        ++length;
    if (folder == 0 || folder + 1 + length >= MAX_PATH)
        return nullptr;
    path[folder] = L'\\';
    for (std::size_t i = 0; i <= length; ++i)
        path[folder + 1 + i] = name[i];
    // The DLL's own imports from the system folder as well.
    HMODULE module = LoadLibraryExW(path, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A system without the search flags (Windows 7 before its update) refuses them: the full path
    // then, its imports looked for in its own folder first.
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER)
        module = LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return module;
}

HMODULE LoadCommonControlsLibrary() {
    return LoadLibraryW(L"comctl32.dll");
}

void PrepareSystemRoad(SystemRoad road) {
    static bool prepared[sizeof kRoads / sizeof kRoads[0]] = {};
    for (std::size_t i = 0; i < sizeof kRoads / sizeof kRoads[0]; ++i) {
        if (kRoads[i].road != road || prepared[i])
            continue;
        prepared[i] = true;
        for (const wchar_t* const* name = kRoads[i].names; *name != nullptr; ++name)
            LoadSystemLibrary(*name);
    }
}
