#include "Uninstaller.h"

#include "framework/UniqueHandle.h"
#include "uninstaller/core/SelfRemovalScript.h"

#include <vector>

namespace {

// How many names a temporary file can have: "TMP1" to "TMPffff".
constexpr unsigned kTempNumbers = 0xFFFF;

// The folder a system call of the form GetTempPathW writes, with its trailing backslash; empty
// when the call fails.
template <typename Call> std::wstring FolderFrom(Call call) {
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (;;) {
        const UINT length = call(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length == 0)
            return std::wstring();
        // Too small: the call gave the size it needs.
        if (length >= buffer.size()) {
            buffer.resize(length + 1);
            continue;
        }
        std::wstring folder(buffer.data(), length);
        if (folder.back() != L'\\')
            folder += L'\\';
        return folder;
    }
}

} // namespace

std::wstring GetTempDirectory() {
    return FolderFrom([](wchar_t* buffer, UINT size) { return GetTempPathW(size, buffer); });
}

std::wstring GetSystemFolder() {
    return FolderFrom(GetSystemDirectoryW);
}

std::wstring GetWindowsTempDirectory() {
    // The Windows folder of the system, not a user's own on a terminal server.
    const std::wstring windows = FolderFrom(GetSystemWindowsDirectoryW);
    return windows.empty() ? std::wstring() : windows + L"Temp\\";
}

std::wstring GetScriptDirectory() {
    const std::wstring windowsTemp = GetWindowsTempDirectory();
    wchar_t probe[MAX_PATH] = L"";
    if (!windowsTemp.empty() && GetTempFileNameW(windowsTemp.c_str(), L"TMP", 0, probe) != 0) {
        DeleteFileW(probe);
        return windowsTemp;
    }
    return GetTempDirectory();
}

std::wstring MakeTempFileName(const std::wstring& folder, const std::wstring& extension) {
    if (folder.empty())
        return std::wstring();
    wchar_t name[MAX_PATH] = L"";
    if (GetTempFileNameW(folder.c_str(), L"TMP", 0, name) == 0)
        return std::wstring();
    if (!DeleteFileW(name))
        return std::wstring();
    return CreateNewTempFile(folder, uninstaller::TempNameNumber(name), extension);
}

std::wstring CreateNewTempFile(const std::wstring& folder, unsigned unique,
                               const std::wstring& extension) {
    if (unique == 0 || unique > kTempNumbers)
        unique = uninstaller::NextTempNumber(unique);
    for (unsigned tried = 0; tried < kTempNumbers;
         ++tried, unique = uninstaller::NextTempNumber(unique)) {
        // With a number of its own the system only forms the name; it creates nothing.
        wchar_t name[MAX_PATH] = L"";
        if (GetTempFileNameW(folder.c_str(), L"TMP", unique, name) == 0)
            return std::wstring();
        const std::wstring path = uninstaller::WithExtension(name, extension);
        if (path.empty())
            return std::wstring();
        const FileHandle created(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        if (created)
            return path;
        // A file (or a folder) of that name is someone else's: never reused, whatever it holds.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS &&
            error != ERROR_ACCESS_DENIED)
            return std::wstring();
    }
    return std::wstring();
}
