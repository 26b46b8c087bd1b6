#include "TemporaryFile.h"

#include <windows.h>

namespace {

std::wstring AnsiToWide(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
    return wide;
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/:");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

} // namespace

TemporaryFile::TemporaryFile(const std::wstring& target) {
    wchar_t name[MAX_PATH] = L"";
    if (GetTempFileNameW(FolderOf(target).c_str(), L"zem", 0, name) != 0)
        m_strPath = name;
}

TemporaryFile::TemporaryFile(const std::string& target) : TemporaryFile(AnsiToWide(target)) {}

TemporaryFile::~TemporaryFile() {
    if (!m_strPath.empty())
        DeleteFileW(m_strPath.c_str());
}

bool TemporaryFile::MoveTo(const std::wstring& target, bool replace) {
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (!MoveFileExW(m_strPath.c_str(), target.c_str(), flags))
        return false;
    m_strPath.clear();
    return true;
}

bool TemporaryFile::MoveOver(const std::string& target) {
    return MoveTo(AnsiToWide(target), true);
}
