#include "RunLog.h"

#include "OwnFile.h"

#include "framework/File.h"
#include "framework/PathEncoding.h"
#include "framework/WideText.h"
#include "framework/core/Exception.h"
#include "log/core/LogFileText.h"

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<CStdioFile> g_log;

std::string TimeOfDay() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[32] = "";
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u  ", now.wYear, now.wMonth,
                  now.wDay, now.wHour, now.wMinute, now.wSecond);
    return text;
}

// The text with its line ends as bare line feeds, which the file stores as CR LF, and none at its
// end (the system's error texts end with one).
std::string Lines(const std::string& text) {
    std::string lines;
    for (const char c : text) {
        if (c != '\r')
            lines += c;
    }
    while (!lines.empty() && lines.back() == '\n')
        lines.pop_back();
    return lines;
}

} // namespace

unsigned long OpenRunLog(const std::string& path) {
    g_log.reset();
    FileHandle file;
    const DWORD error = OpenOwnFile(path, FILE_SHARE_READ, nullptr, file);
    if (error == ERROR_SUCCESS)
        g_log = std::make_unique<CStdioFile>(std::move(file));
    return error;
}

void LogStep(const std::string& line) {
    if (g_log == nullptr)
        return;
    try {
        g_log->WriteString(TimeOfDay() + LogFileText(ToU16String(WidePath(Lines(line)))) + "\n");
    } catch (const CException&) {
        // The disk is full or the file is gone: the installation goes on without it.
    }
}
