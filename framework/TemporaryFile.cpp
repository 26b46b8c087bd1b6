#include "TemporaryFile.h"

#include <windows.h>

namespace {

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/:");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

} // namespace

TemporaryFile::TemporaryFile(const std::wstring& target) {
    wchar_t name[MAX_PATH] = L"";
    if (GetTempFileNameW(FolderOf(target).c_str(), L"zem", 0, name) != 0)
        m_strPath = name;
    else
        m_error = GetLastError();
}

TemporaryFile::~TemporaryFile() {
    if (!m_strPath.empty())
        DeleteFileW(m_strPath.c_str());
}
