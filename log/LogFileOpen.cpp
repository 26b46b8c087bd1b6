#include "LogFileOpen.h"

#include "framework/File.h"
#include "framework/core/Exception.h"

#include <windows.h>

namespace {

constexpr DWORD kWaitLimitMs = 400;
constexpr DWORD kRetryIntervalMs = 10;

bool HeldByAnother(const CFileException& e) {
    return e.GetOsError() == ERROR_SHARING_VIOLATION || e.GetOsError() == ERROR_LOCK_VIOLATION;
}

} // namespace

void OpenLogFile(CFile& file, const std::string& path, unsigned flags) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        try {
            file.Open(path, flags);
            return;
        } catch (const CFileException& e) {
            if (!HeldByAnother(e) || GetTickCount64() - start >= kWaitLimitMs)
                throw;
        }
        Sleep(kRetryIntervalMs);
    }
}
