#include "OwnFile.h"

#include "framework/PathEncoding.h"

#include <vector>

namespace {

// "\\?\C:\x" -> "C:\x", "\\?\UNC\server\share" -> "\\server\share".
std::wstring WithoutLongPrefix(const std::wstring& path) {
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        return L"\\\\" + path.substr(8);
    if (path.compare(0, 4, L"\\\\?\\") == 0)
        return path.substr(4);
    return path;
}

// The path as the system spells it: full, long names, no trailing backslash; empty on failure.
std::wstring LongFullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH * 2] = L"";
    const DWORD fullLength = GetFullPathNameW(path.c_str(), MAX_PATH * 2, full, nullptr);
    if (fullLength == 0 || fullLength >= MAX_PATH * 2)
        return std::wstring();
    std::vector<wchar_t> longer(MAX_PATH * 2);
    const DWORD longLength =
        GetLongPathNameW(full, longer.data(), static_cast<DWORD>(longer.size()));
    std::wstring result = longLength != 0 && longLength < longer.size()
                              ? std::wstring(longer.data(), longLength)
                              : std::wstring(full, fullLength);
    while (result.size() > 3 && result.back() == L'\\')
        result.pop_back();
    return result;
}

} // namespace

bool LiesAt(HANDLE handle, const std::string& path) {
    std::vector<wchar_t> final(MAX_PATH * 2);
    const DWORD length =
        GetFinalPathNameByHandleW(handle, final.data(), static_cast<DWORD>(final.size()),
                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= final.size())
        return false;
    const std::wstring expected = LongFullPath(WidePath(path));
    const std::wstring actual = LongFullPath(WithoutLongPrefix(std::wstring(final.data(), length)));
    return !expected.empty() && lstrcmpiW(expected.c_str(), actual.c_str()) == 0;
}

namespace {

// Whether the file open as handle is one the installer may take as its own at path: no reparse
// point, one link only, and the file at path itself. 0 or the refusal.
DWORD CheckOwnFile(HANDLE handle, const std::string& path) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(handle, &information))
        return GetLastError();
    if ((information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
        information.nNumberOfLinks != 1 || !LiesAt(handle, path))
        return ERROR_CANT_ACCESS_FILE;
    return ERROR_SUCCESS;
}

} // namespace

DWORD CheckExistingFile(const std::string& path, const ProtectedAccess* protection) {
    // Setting a list reads the present one first (READ_CONTROL).
    const DWORD access =
        FILE_READ_ATTRIBUTES | (protection != nullptr ? READ_CONTROL | WRITE_DAC | WRITE_OWNER : 0);
    const FileHandle opened(CreateFileW(
        WidePath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!opened)
        return GetLastError();
    if (const DWORD refused = CheckOwnFile(opened.Get(), path))
        return refused;
    return protection != nullptr ? protection->ApplyTo(opened.Get()) : ERROR_SUCCESS;
}

DWORD OpenOwnFile(const std::string& path, DWORD share, ProtectedAccess* protection,
                  FileHandle& file) {
    file.Reset();
    DWORD access = GENERIC_WRITE;
    SECURITY_ATTRIBUTES* security = nullptr;
    if (protection != nullptr) {
        security = protection->Attributes();
        if (security == nullptr)
            return protection->GetError();
        access |= WRITE_DAC | WRITE_OWNER;
    }
    FileHandle opened(CreateFileW(WidePath(path).c_str(), access, share, security, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!opened)
        return GetLastError();
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    if (const DWORD refused = CheckOwnFile(opened.Get(), path))
        return refused;
    if (existed && protection != nullptr) {
        const DWORD secured = protection->ApplyTo(opened.Get());
        if (secured != ERROR_SUCCESS)
            return secured;
    }
    if (!SetEndOfFile(opened.Get()))
        return GetLastError();
    file = std::move(opened);
    return ERROR_SUCCESS;
}
