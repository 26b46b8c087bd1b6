// A DLL that stands for a foreign one dropped beside a program under a system DLL's name. It does
// nothing but note that it was loaded: one line "<its file name> start" (while the process
// started, the loader resolving imports) or "<its file name> run" (loaded at run time) appended to
// "planted.log" in its own folder. Built without the C runtime, so that nothing but kernel32 runs.

#include <windows.h>

namespace {

// Appends text to the log beside the DLL; every write is one append, whole lines at a time.
void Note(HINSTANCE self, bool atStart) {
    wchar_t path[MAX_PATH + 16];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    DWORD nameAt = length;
    while (nameAt > 0 && path[nameAt - 1] != L'\\')
        --nameAt;
    char line[MAX_PATH + 16];
    int used = 0;
    for (DWORD i = nameAt; i < length; ++i)
        line[used++] = static_cast<char>(path[i] < 0x80 ? path[i] : L'?');
    const char* const when = atStart ? " start\r\n" : " run\r\n";
    for (const char* c = when; *c != '\0'; ++c)
        line[used++] = *c;
    const wchar_t* const logName = L"planted.log";
    DWORD at = nameAt;
    for (const wchar_t* c = logName; *c != L'\0'; ++c)
        path[at++] = *c;
    path[at] = L'\0';
    const HANDLE log = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(log, line, static_cast<DWORD>(used), &written, nullptr);
    CloseHandle(log);
}

} // namespace

extern "C" BOOL WINAPI PlantedMain(HINSTANCE self, DWORD reason, void* reserved) {
    if (reason == DLL_PROCESS_ATTACH)
        Note(self, reserved != nullptr);
    return TRUE;
}

// What Wine's user32 imports from "version.dll" while the process starts: failing answers, so
// that a planted copy loaded then changes nothing else.
extern "C" DWORD WINAPI GetFileVersionInfoSizeW(const wchar_t*, DWORD* handle) {
    if (handle != nullptr)
        *handle = 0;
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return 0;
}

extern "C" BOOL WINAPI GetFileVersionInfoW(const wchar_t*, DWORD, DWORD, void*) {
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
}

extern "C" BOOL WINAPI VerQueryValueW(const void*, const wchar_t*, void**, UINT* length) {
    if (length != nullptr)
        *length = 0;
    return FALSE;
}
