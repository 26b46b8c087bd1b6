#include "ModulePath.h"

#include "framework/CodePage.h"

#include <vector>

namespace {
// The longest path the system gives, in characters.
const DWORD kLongestPath = 32768;
} // namespace

namespace {

std::wstring ModuleWidePath(HMODULE module) {
    std::vector<wchar_t> buffer(kLongestPath);
    const DWORD length =
        GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    // A full buffer means the name was cut short: no path at all is better than a wrong one.
    if (length == 0 || length >= buffer.size())
        return std::wstring();
    return std::wstring(buffer.data(), length);
}

} // namespace

std::string GetModulePath(HMODULE module) {
    return FromWide(CP_UTF8, ModuleWidePath(module));
}

std::wstring GetModuleWidePath() {
    return ModuleWidePath(NULL);
}

std::string GetProgramDirectory() {
    const std::string path = GetModulePath(NULL);
    const std::size_t lastBackslash = path.find_last_of('\\');
    if (lastBackslash == std::string::npos)
        return std::string();
    return path.substr(0, lastBackslash + 1);
}
