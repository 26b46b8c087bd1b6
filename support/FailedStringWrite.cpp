#include "FailedStringWrite.h"

#include "framework/MessageBox.h"

#include <windows.h>

void ReportFailedStringWrite(const std::string& valueName, const std::string& caption) {
    ShowMessage("The registry key " + valueName + " could not be created.", caption,
                MB_OK | MB_ICONERROR);
}
