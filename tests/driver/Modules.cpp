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

} // namespace

std::vector<std::string> LoadedModules(DWORD pid) {
    std::vector<std::string> modules;
    UniqueHandle snapshot;
    // A process still being set up makes the snapshot fail for a moment.
    for (int attempt = 0; attempt < 5 && !snapshot; ++attempt) {
        snapshot = UniqueHandle(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid));
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

std::vector<std::string> LoadedCommonControls(DWORD pid) {
    std::vector<std::string> found;
    for (const std::string& path : LoadedModules(pid)) {
        if (EndsWith(Lower(path), "\\comctl32.dll"))
            found.push_back(path);
    }
    return found;
}

bool IsSideBySideCommonControls6(const std::string& path) {
    // <windows>\winsxs\<architecture>_microsoft.windows.common-controls_<public key token>_
    // <version>_<language>_<hash>\comctl32.dll
    const std::string lower = Lower(path);
    const std::string folder = "\\winsxs\\";
    const std::size_t store = lower.find(folder);
    if (store == std::string::npos || !EndsWith(lower, "\\comctl32.dll"))
        return false;
    const std::string assembly = lower.substr(store + folder.size());
    const std::string name = "_microsoft.windows.common-controls_6595b64144ccf1df_6.";
    const std::size_t named = assembly.find(name);
    return named != std::string::npos && assembly.find('\\') > named;
}

} // namespace testdriver
