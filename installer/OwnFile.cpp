#include "OwnFile.h"

#include <vector>

namespace {

// "\\?\C:\x" -> "C:\x", "\\?\UNC\server\share" -> "\\server\share".
std::string WithoutLongPrefix(const std::string& path) {
    if (path.compare(0, 8, "\\\\?\\UNC\\") == 0)
        return "\\\\" + path.substr(8);
    if (path.compare(0, 4, "\\\\?\\") == 0)
        return path.substr(4);
    return path;
}

// The path as the system spells it: full, long names, no trailing backslash; empty on failure.
std::string LongFullPath(const std::string& path) {
    char full[MAX_PATH * 2] = "";
    const DWORD fullLength = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (fullLength == 0 || fullLength >= sizeof full)
        return std::string();
    std::vector<char> longer(MAX_PATH * 2);
    const DWORD longLength =
        GetLongPathNameA(full, longer.data(), static_cast<DWORD>(longer.size()));
    std::string result = longLength != 0 && longLength < longer.size()
                             ? std::string(longer.data(), longLength)
                             : std::string(full, fullLength);
    while (result.size() > 3 && result.back() == '\\')
        result.pop_back();
    return result;
}

} // namespace

bool LiesAt(HANDLE handle, const std::string& path) {
    std::vector<char> final(MAX_PATH * 2);
    const DWORD length =
        GetFinalPathNameByHandleA(handle, final.data(), static_cast<DWORD>(final.size()),
                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= final.size())
        return false;
    const std::string expected = LongFullPath(path);
    const std::string actual = LongFullPath(WithoutLongPrefix(std::string(final.data(), length)));
    return !expected.empty() && lstrcmpiA(expected.c_str(), actual.c_str()) == 0;
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
    FileHandle opened(CreateFileA(path.c_str(), access, share, security, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!opened)
        return GetLastError();
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(opened.Get(), &information))
        return GetLastError();
    if ((information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
        information.nNumberOfLinks != 1 || !LiesAt(opened.Get(), path))
        return ERROR_CANT_ACCESS_FILE;
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
