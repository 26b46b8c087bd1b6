#include "ModulePath.h"

#include <vector>

namespace {
// The longest path the system gives, in characters.
const DWORD kLongestPath = 32768;
} // namespace

std::string GetModulePath(HMODULE module) {
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, buffer, MAX_PATH);
    // A full buffer means the name was cut short: no path at all is better than a wrong one.
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(buffer, length);
}

std::wstring GetModuleWidePath() {
    std::vector<wchar_t> buffer(kLongestPath);
    const DWORD length = GetModuleFileNameW(NULL, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return std::wstring();
    return std::wstring(buffer.data(), length);
}

std::string GetProgramDirectory() {
    const std::string path = GetModulePath(NULL);
    const std::size_t lastBackslash = path.find_last_of('\\');
    if (lastBackslash == std::string::npos)
        return std::string();
    return path.substr(0, lastBackslash + 1);
}
