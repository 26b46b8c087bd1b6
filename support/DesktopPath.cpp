#include "DesktopPath.h"

#include <windows.h>

namespace {
const char* const kCommonDesktop = "%HOMEDRIVE%\\Documents and Settings\\All Users\\Desktop\\";
} // namespace

std::string GetCommonDesktopPath() {
    char buffer[MAX_PATH] = "";
    const DWORD needed = ExpandEnvironmentStringsA(kCommonDesktop, buffer, MAX_PATH);
    if (needed == 0 || needed > MAX_PATH)
        return kCommonDesktop;
    return buffer;
}
