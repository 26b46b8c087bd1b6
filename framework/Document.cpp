#include "Document.h"

#include "framework/CodePage.h"
#include "framework/CommandIds.h"
#include "framework/CommandTable.h"
#include "framework/DocTemplate.h"
#include "framework/File.h"
#include "framework/FileDialog.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/SaveFile.h"
#include "framework/WinApp.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"
#include "framework/core/PathText.h"

namespace {

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// The path is in UTF-8, the exception's text the system's (ANSI code page).
void ReportFailure(const std::string& firstLine, const CException& e) {
    AfxMessageBox(firstLine + "\n" + AnsiToUtf8(e.Message()), MB_OK | MB_ICONERROR);
}

} // namespace

BOOL CDocument::OnNewDocument() {
    SetModifiedFlag(FALSE);
    m_strPathName.clear();
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const std::string& path) {
    const std::string failure = "Cannot open the file " + Quoted(path) + ".";
    try {
        CFile file(path, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(file, CArchive::load);
        Serialize(ar);
        file.Close();
    } catch (const CException& e) {
        ReportFailure(failure, e);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const std::string& path) {
    try {
        MemoryStream data;
        CArchive ar(data, CArchive::store);
        Serialize(ar);
        ar.Close();
        SaveFileBytes(path, data.Bytes());
    } catch (const CException& e) {
        ReportFailure("Cannot save the file " + Quoted(path) + ".", e);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::SaveModified() {
    if (!IsModified())
        return TRUE;
    const std::string name = m_strPathName.empty() ? m_strTitle : m_strPathName;
    switch (AfxMessageBox("Save changes to " + name + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoSave(true);
    default:
        return TRUE;
    }
}

void CDocument::OnFileSave() {
    DoSave(true);
}

void CDocument::OnFileSaveAs() {
    DoSave(false);
}

bool CDocument::OnCommand(WORD id) {
    static const Command<CDocument> kCommands[] = {
        {ID_FILE_SAVE, &CDocument::OnFileSave},
        {ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs},
    };
    return Dispatch(*this, kCommands, id);
}

BOOL CDocument::DoSave(bool replace) {
    std::string path = m_strPathName;
    if (!replace || path.empty()) {
        std::string extension;
        std::string defaultExtension;
        std::string filter;
        if (m_pDocTemplate != nullptr) {
            extension = m_pDocTemplate->GetDocString(CSingleDocTemplate::filterExt);
            defaultExtension = m_pDocTemplate->GetDefaultExtension();
            filter = m_pDocTemplate->GetFileFilter();
        }
        std::string name = path.empty() ? m_strTitle : path;
        if (!extension.empty() && FileNameOf(name).find('.') == std::string::npos)
            name += extension;
        CFileDialog dialog(FALSE, defaultExtension, name,
                           OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, filter,
                           AfxGetApp() != nullptr ? AfxGetApp()->GetMainWnd() : nullptr);
        if (dialog.DoModal() != IDOK)
            return FALSE;
        path = dialog.GetPathName();
    }
    if (!OnSaveDocument(path))
        return FALSE;
    SetPathName(path);
    return TRUE;
}

void CDocument::SetTitle(const std::string& title) {
    m_strTitle = title;
    if (m_pDocTemplate != nullptr && m_pDocTemplate->GetFrame() != nullptr)
        m_pDocTemplate->GetFrame()->OnUpdateFrameTitle();
}

void CDocument::SetPathName(const std::string& path) {
    const std::wstring wide = ToWide(CP_UTF8, path);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(wide.c_str(), MAX_PATH, &full[0], nullptr);
    if (length >= MAX_PATH) {
        full.resize(length);
        length = GetFullPathNameW(wide.c_str(), length, &full[0], nullptr);
    }
    m_strPathName =
        length > 0 && length < full.size() ? FromWide(CP_UTF8, full.substr(0, length)) : path;
    SetTitle(FileNameOf(m_strPathName));
}
