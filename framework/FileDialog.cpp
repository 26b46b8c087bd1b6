#include "FileDialog.h"

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
    std::vector<char> filter(m_strFilter.begin(), m_strFilter.end());
    for (char& c : filter)
        if (c == '|')
            c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');

    std::vector<char> file(32768, '\0');
    m_strFileName.copy(file.data(), std::min(m_strFileName.size(), file.size() - 1));

    // An initial name without a folder starts in the current folder.
    std::string initialDir;
    if (m_strFileName.find_first_of("\\/:") == std::string::npos) {
        char current[MAX_PATH] = "";
        const DWORD length = GetCurrentDirectoryA(MAX_PATH, current);
        if (length > 0 && length < MAX_PATH)
            initialDir.assign(current, length);
    }

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_hParent;
    ofn.lpstrFilter = filter.data();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = m_strTitle.empty() ? nullptr : m_strTitle.c_str();
    ofn.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    ofn.Flags = m_dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;

    PrepareSystemRoad(SystemRoad::FileDialog);
    const auto show = SystemFunction<BOOL WINAPI(OPENFILENAMEA*)>(
        L"comdlg32.dll", m_bOpenFileDialog ? "GetOpenFileNameA" : "GetSaveFileNameA");
    if (show == nullptr || !show(&ofn))
        return IDCANCEL;
    m_strPathName = file.data();
    return IDOK;
}
