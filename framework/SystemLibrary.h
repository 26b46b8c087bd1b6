#pragma once
// A function of a system DLL that only some commands need (file dialogs, tooltips, the shell),
// loaded on first use so that starting the program does not pay for loading the DLL.

#include <windows.h>

// The function, or NULL when the DLL or the function cannot be found. The DLL stays loaded for the
// rest of the process, as an imported one would.
template <typename Function> Function* SystemFunction(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    if (module == nullptr)
        module = LoadLibraryA(dll);
    return module != nullptr
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}
