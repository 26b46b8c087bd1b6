#include "FileDialog.h"

#include "framework/CodePage.h"
#include "framework/SystemLibrary.h"

#include <algorithm>
#include <vector>

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const std::string& defaultExtension,
                         const std::string& fileName, DWORD flags, const std::string& filter,
                         HWND parent)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(defaultExtension), m_strFileName(fileName),
      m_dwFlags(flags), m_strFilter(filter), m_hParent(parent) {}

INT_PTR CFileDialog::DoModal() {
    // The system's filter: the '|' separators become NULs, ending with two.
    std::wstring filter = ToWide(CP_UTF8, m_strFilter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.append(2, L'\0');

    const std::wstring fileName = ToWide(CP_UTF8, m_strFileName);
    std::vector<wchar_t> file(32768, L'\0');
    fileName.copy(file.data(), std::min(fileName.size(), file.size() - 1));

    // An initial name without a folder starts in the current folder.
    std::wstring initialDir;
    if (fileName.find_first_of(L"\\/:") == std::wstring::npos) {
        std::vector<wchar_t> current(32768, L'\0');
        const DWORD length =
            GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data());
        if (length > 0 && length < current.size())
            initialDir.assign(current.data(), length);
    }
    const std::wstring title = ToWide(CP_UTF8, m_strTitle);
    const std::wstring defaultExtension = ToWide(CP_UTF8, m_strDefExt);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_hParent;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    ofn.Flags = m_dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;

    PrepareSystemRoad(SystemRoad::FileDialog);
    const auto show = SystemFunction<BOOL WINAPI(OPENFILENAMEW*)>(
        L"comdlg32.dll", m_bOpenFileDialog ? "GetOpenFileNameW" : "GetSaveFileNameW");
    if (show == nullptr || !show(&ofn))
        return IDCANCEL;
    m_strPathName = FromWide(CP_UTF8, file.data());
    return IDOK;
}
