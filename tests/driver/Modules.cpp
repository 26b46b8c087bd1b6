#include "tests/driver/Modules.h"

#include "tests/driver/Handles.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>

namespace testdriver {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// <windows>\winsxs\<architecture>_microsoft.windows.common-controls_<public key token>_<version>_
// <language>_<hash>\comctl32.dll, version 6.
bool IsSideBySideVersion6(const std::string& lowerPath) {
    const std::string store = "\\winsxs\\";
    const std::size_t at = lowerPath.find(store);
    if (at == std::string::npos)
        return false;
    const std::string assembly = lowerPath.substr(at + store.size());
    const std::size_t named =
        assembly.find("_microsoft.windows.common-controls_6595b64144ccf1df_6.");
    return named != std::string::npos && assembly.find('\\') > named;
}

} // namespace

std::vector<std::string> LoadedModules(DWORD pid) {
    std::vector<std::string> modules;
    OwnedHandle snapshot;
    // A process still being set up makes the snapshot fail for a moment.
    for (int attempt = 0; attempt < 5 && !snapshot; ++attempt) {
        snapshot = OwnedHandle(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid));
        if (!snapshot && GetLastError() != ERROR_BAD_LENGTH)
            break;
    }
    if (!snapshot)
        return modules;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot.Get(), &entry); more;
         more = Module32Next(snapshot.Get(), &entry))
        modules.push_back(entry.szExePath);
    return modules;
}

std::string CommonControlsOtherThanVersion6(DWORD pid) {
    std::vector<std::string> loaded;
    bool version6 = false;
    for (const std::string& path : LoadedModules(pid)) {
        const std::string lower = Lower(path);
        if (EndsWith(lower, "\\comctl32.dll")) {
            loaded.push_back(path);
            version6 = IsSideBySideVersion6(lower);
        }
    }
    if (loaded.size() == 1 && version6)
        return "";
    std::string lines = loaded.empty() ? "no comctl32.dll\n" : "";
    for (const std::string& path : loaded)
        lines += path + "\n";
    return lines;
}

} // namespace testdriver
