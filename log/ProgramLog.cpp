#include "ProgramLog.h"

#include "framework/File.h"
#include "framework/WinApp.h"
#include "framework/core/Exception.h"
#include "support/core/ErrorDescription.h"

#include "support/ShowMessage.h"

#include <windows.h>

int ProgramLog::ShowMessage(const std::string& text, const std::string& caption, unsigned type) {
    Append(text);
    return ShowMessageBox(text, caption, type);
}

bool ProgramLog::WriteToFile(const std::string& path) {
    const char* failure = "Log file could not be outputted.\n";
    if (IsWritten()) {
        ShowMessage(std::string(failure) + "The log file was already outputted.", AfxGetAppName(),
                    MB_OK | MB_ICONERROR);
        return false;
    }
    AppendEndLines();
    try {
        CStdioFile file(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        if (file.SeekToEnd() > 0)
            file.WriteString("\n");
        file.WriteString(GetText());
        file.Close();
    } catch (const CException& e) {
        ShowMessage(failure + GetErrorDescription(e), AfxGetAppName(), MB_OK | MB_ICONERROR);
        return false;
    }
    MarkWritten();
    return true;
}
