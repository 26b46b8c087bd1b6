#include "ZembraDocument.h"

#include "app/AppAccess.h"
#include "app/OtherVersion.h"
#include "app/core/VersionQuestion.h"
#include "app/core/ZembraFormat.h"
#include "framework/CommandIds.h"
#include "framework/WinApp.h"
#include "framework/core/Archive.h"
#include "log/ProgramLog.h"
#include "support/MyDocuments.h"

namespace {

void Log(const std::string& text) {
    GetProgramLog().Append(text);
}

} // namespace

CZembraDocument::CZembraDocument() {
    Log("CZembraDocument() object being created.");
    Log("CZembraDocument() object created.");
}

CZembraDocument::~CZembraDocument() {
    Log("CZembraDocument() object being destroyed.");
    Log("CZembraDocument() object destroyed.");
}

BOOL CZembraDocument::IsModified() {
    return CDocument::IsModified();
}

void CZembraDocument::SetModifiedFlag(BOOL bModified) {
    CDocument::SetModifiedFlag(bModified);
}

BOOL CZembraDocument::OnNewDocument() {
    Log("CZembraDocument::OnNewDocument() called.");
    Log("Calling CDocument::OnNewDocument().");
    if (!CDocument::OnNewDocument()) {
        Log("CDocument::OnNewDocument() failed.");
        return FALSE;
    }
    Log("CDocument::OnNewDocument() succeeded.");
    m_design = MessageBoxDesign();
    Log("CZembraDocument::OnNewDocument() complete.");
    return TRUE;
}

void CZembraDocument::Serialize(CArchive& ar) {
    Log("CZembraDocument::Serialize() beginning.");
    Log("Calling CDocument::Serialize().");
    Log("CDocument::Serialize() returned.");
    if (ar.IsStoring()) {
        Log("Saving document.");
        WriteZembra(ar, m_design);
        Log("Document saved.");
    } else {
        Log("Loading document.");
        Load(ar);
        Log("Document loaded.");
    }
}

void CZembraDocument::Load(CArchive& ar) {
    const double version = ReadZembraVersion(ar);
    if (IsOtherVersion(version) && !AttemptOtherVersion(EditorVersionQuestion(version))) {
        // The rest is read as usual; the new document queued meanwhile then replaces it.
        AfxGetApp()->QueueCommand(ID_FILE_NEW);
    }
    ReadZembraBody(ar, m_design);
}

void CZembraDocument::OnFileSave() {
    ChangeToMyDocuments();
    CDocument::OnFileSave();
}

void CZembraDocument::OnFileSaveAs() {
    ChangeToMyDocuments();
    CDocument::OnFileSaveAs();
}
