#pragma once
// The system DLLs a program loads for itself, and the functions it takes from them. Each comes
// from the system folder and from nowhere else: a file of the same name in the program's folder
// (a downloads folder, say) or in the current folder is never loaded. The one exception is the
// version-6 common controls, which only the program's manifest can name (see below).

#include <windows.h>

// The DLL of that file name (L"shell32.dll") from the system folder, by its full path; NULL when
// it cannot be loaded. It stays loaded for the rest of the process, as an imported one would.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a system DLL that only some commands need (file dialogs, tooltips, the shell),
// loaded on first use so that starting the program does not pay for loading the DLL. NULL when
// the DLL or the function cannot be found.
template <typename Function> Function* SystemFunction(const wchar_t* dll, const char* name) {
    const HMODULE module = LoadSystemLibrary(dll);
    return module != nullptr
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

// The version-6 common controls, loaded by name in the program's activation context: its
// manifest names them, and the system then takes them from its side-by-side store, never from the
// program's folder (the copy in the system folder is version 5). NULL when they cannot be loaded.
HMODULE LoadCommonControlsLibrary();

// A function of the version-6 common controls (TaskDialogIndirect, InitCommonControlsEx); NULL
// when it cannot be found.
template <typename Function> Function* CommonControlsFunction(const char* name) {
    const HMODULE module = LoadCommonControlsLibrary();
    return module != nullptr
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

// The roads on which the system's own code loads DLLs by bare name (through its delay loads and
// its own DLLs' imports), which a program starts once it calls what the road names.
enum class SystemRoad {
    Windows,      // the first window or message box of the process
    FileDialog,   // the open and save dialogs
    FolderPicker, // the shell's folder picker
    ShellLink,    // the shell's link object
};

// Loads, from the system folder by full path, the DLLs the system's code on that road loads by
// name, unless an earlier call did, so that its later load by name finds them loaded instead of
// a file of that name beside the program. Called just before the road, never earlier: a run that
// does not take it does not pay for it.
void PrepareSystemRoad(SystemRoad road);
