#include "ProgramLog.h"

#include "framework/CodePage.h"
#include "framework/File.h"
#include "framework/WideText.h"
#include "framework/WinApp.h"
#include "framework/core/Exception.h"
#include "log/LogFileOpen.h"
#include "log/core/LogFileText.h"
#include "support/core/ErrorDescription.h"

#include "framework/MessageBox.h"

#include <windows.h>

namespace {

// The system clock in whole seconds since 1970. Much cheaper than the C library's time() on
// some systems, and the log asks for the time at every entry.
std::time_t SystemSeconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const unsigned long long ticksFrom1601To1970 = 116444736000000000ull;
    return static_cast<std::time_t>((ticks - ticksFrom1601To1970) / 10000000ull);
}

} // namespace

ProgramLog::ProgramLog() : LogText(SystemSeconds) {}

int ProgramLog::ShowMessage(const std::string& text, const std::string& caption, unsigned type) {
    Append(text);
    return SystemMessageBox(GetMessageOwner(), ToWide(CP_UTF8, text), ToWide(CP_UTF8, caption),
                            type);
}

std::string ProgramLog::GetFileText() const {
    return LogFileText(ToU16String(ToWide(CP_UTF8, GetText())));
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
        CStdioFile file;
        OpenLogFile(file, path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        if (file.SeekToEnd() > 0)
            file.WriteString("\n");
        file.WriteString(GetFileText());
        file.Close();
    } catch (const CException& e) {
        ShowMessage(failure + AnsiToUtf8(GetErrorDescription(e)), AfxGetAppName(),
                    MB_OK | MB_ICONERROR);
        return false;
    }
    MarkWritten();
    return true;
}
