#include "ModulePath.h"

std::string GetModulePath(HMODULE module) {
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, buffer, MAX_PATH);
    // A full buffer means the name was cut short: no path at all is better than a wrong one.
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(buffer, length);
}

std::string GetProgramDirectory() {
    const std::string path = GetModulePath(NULL);
    const std::size_t lastBackslash = path.find_last_of('\\');
    if (lastBackslash == std::string::npos)
        return std::string();
    return path.substr(0, lastBackslash + 1);
}
