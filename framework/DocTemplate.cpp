#include "DocTemplate.h"

#include "framework/Document.h"
#include "framework/FormView.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        fields.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return fields;
        start = end + 1;
    }
}

std::string StringResource(UINT id) {
    char text[1024] = "";
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof(text));
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

const char* const kUntitled = "Untitled";

} // namespace

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, DocumentFactory document,
                                       FrameFactory frame, ViewFactory view)
    : m_nIDResource(resourceId), m_docStrings(SplitLines(StringResource(resourceId))),
      m_createDocument(std::move(document)), m_createFrame(std::move(frame)),
      m_createView(std::move(view)) {}

// The order of a close: the view, the frame, the document.
CSingleDocTemplate::~CSingleDocTemplate() {
    DestroyPending();
    m_pView.reset();
    m_pFrame.reset();
    m_pDocument.reset();
}

std::string CSingleDocTemplate::GetDocString(DocStringIndex index) const {
    return static_cast<std::size_t>(index) < m_docStrings.size() ? m_docStrings[index]
                                                                 : std::string();
}

std::string CSingleDocTemplate::GetDefaultExtension() const {
    const std::string extension = GetDocString(filterExt);
    return extension.empty() || extension[0] != '.' ? extension : extension.substr(1);
}

std::string CSingleDocTemplate::GetFileFilter() const {
    std::string filter;
    const std::string name = GetDocString(filterName);
    const std::string extension = GetDocString(filterExt);
    if (!name.empty() && !extension.empty())
        filter += name + "|*" + extension + "|";
    return filter + "All Files (*.*)|*.*||";
}

bool CSingleDocTemplate::CreateFrame() {
    m_pDocument = m_createDocument();
    m_pDocument->SetDocTemplate(this);
    m_pFrame = m_createFrame();
    if (!m_pFrame->LoadFrame(m_nIDResource, GetDocString(windowTitle), this)) {
        m_pFrame.reset();
        m_pDocument.reset();
        return false;
    }
    m_pView = m_createView();
    if (!m_pView->Create(m_pFrame.get(), m_pDocument.get())) {
        DestroyWindow(m_pFrame->GetSafeHwnd());
        return false;
    }
    m_pFrame->SetActiveView(m_pView.get());
    m_pFrame->SetActiveDocument(m_pDocument.get());
    return true;
}

void CSingleDocTemplate::SetDefaultTitle() {
    const std::string name = GetDocString(docName);
    m_pDocument->SetTitle(name.empty() ? kUntitled : name);
}

bool CSingleDocTemplate::InitialUpdateFrame() {
    m_pView->OnInitialUpdate();
    // A failed lookup while the form was filled closes the frame.
    if (m_pFrame == nullptr)
        return false;
    m_pFrame->OnUpdateFrameTitle();
    return true;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* path) {
    const bool created = m_pDocument == nullptr;
    if (!created && !m_pDocument->SaveModified())
        return nullptr;
    if (created && !CreateFrame())
        return nullptr;
    CFrameWnd* frame = m_pFrame.get();

    if (path == nullptr) {
        SetDefaultTitle();
        if (!m_pDocument->OnNewDocument()) {
            if (created)
                DestroyWindow(frame->GetSafeHwnd());
            return nullptr;
        }
    } else {
        const BOOL wasModified = m_pDocument->IsModified();
        m_pDocument->SetModifiedFlag(FALSE);
        if (!m_pDocument->OnOpenDocument(path)) {
            if (created) {
                DestroyWindow(frame->GetSafeHwnd());
            } else if (!m_pDocument->IsModified()) {
                // The document on screen is untouched.
                m_pDocument->SetModifiedFlag(wasModified);
            } else {
                // Partly read: start afresh rather than show half a file.
                SetDefaultTitle();
                if (m_pDocument->OnNewDocument())
                    InitialUpdateFrame();
            }
            return nullptr;
        }
        m_pDocument->SetPathName(path);
    }
    if (!InitialUpdateFrame())
        return nullptr;
    // The frame becomes the main window once its first document is shown, so that a failed
    // first open ends nothing but the open.
    CWinApp* app = AfxGetApp();
    if (created && app != nullptr && app->GetMainWnd() == nullptr)
        app->m_hMainWnd = m_pFrame->GetSafeHwnd();
    return m_pDocument.get();
}

void CSingleDocTemplate::OnFrameDestroyed() {
    CWinApp* app = AfxGetApp();
    if (app != nullptr && m_pFrame != nullptr && app->m_hMainWnd == m_pFrame->GetSafeHwnd())
        app->m_hMainWnd = nullptr;
    m_pDeadView = std::move(m_pView);
    m_pDeadFrame = std::move(m_pFrame);
    m_pDeadDocument = std::move(m_pDocument);
}

void CSingleDocTemplate::DestroyPending() {
    m_pDeadView.reset();
    m_pDeadFrame.reset();
    m_pDeadDocument.reset();
}
