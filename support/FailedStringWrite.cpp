#include "FailedStringWrite.h"

#include "framework/MessageBox.h"

#include <windows.h>

namespace {
FailedStringWriteHook g_failedStringWriteHook = nullptr;
}

void SetFailedStringWriteHook(FailedStringWriteHook hook) {
    g_failedStringWriteHook = hook;
}

void NotifyFailedStringWrite(const std::string& valueName) {
    if (g_failedStringWriteHook != nullptr)
        g_failedStringWriteHook(valueName);
}

void ReportFailedStringWrite(const std::string& valueName, const std::string& caption) {
    ShowMessage("The registry key " + valueName + " could not be created.", caption,
                MB_OK | MB_ICONERROR);
}
