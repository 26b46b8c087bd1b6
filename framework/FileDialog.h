#pragma once
// The system's standard open and save dialogs, through the wide functions; names and paths in
// UTF-8.

#include <windows.h>

#include <commdlg.h>

#include <string>

class CFileDialog {
public:
    // filter: pairs of "name|pattern|", ending with "|" ("Text Files (*.txt)|*.txt||").
    // defaultExtension without the period; fileName is the initial name (may hold a folder).
    CFileDialog(BOOL bOpenFileDialog, const std::string& defaultExtension,
                const std::string& fileName, DWORD flags, const std::string& filter, HWND parent);

    // IDOK when the user chose a file, IDCANCEL otherwise.
    INT_PTR DoModal();
    std::string GetPathName() const { return m_strPathName; }

    std::string m_strTitle;

private:
    BOOL m_bOpenFileDialog;
    std::string m_strDefExt;
    std::string m_strFileName;
    DWORD m_dwFlags;
    std::string m_strFilter;
    HWND m_hParent;
    std::string m_strPathName;
};
