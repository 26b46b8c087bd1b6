#pragma once
// The one document template of a single-document program: it ties the document, the main frame and
// the form view together, creates them on the first New or Open and reuses them afterwards.
// Its resource id names the frame's menu, accelerators and icon and the template string.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDocument;
class CFormView;
class CFrameWnd;

class CSingleDocTemplate {
public:
    // The fields of the template string that the framework reads, by their place in it.
    enum DocStringIndex { windowTitle = 0, docName = 1, filterName = 3, filterExt = 4 };

    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<CFormView>()>;

    CSingleDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame,
                       ViewFactory view);
    // Ends what it owns in the order of a close: the view, the frame, the document.
    ~CSingleDocTemplate();
    CSingleDocTemplate(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;

    std::string GetDocString(DocStringIndex index) const;
    // The filter's extension as the file dialogs take it, without its period ("zembra").
    std::string GetDefaultExtension() const;
    // "Name|*.ext|All Files (*.*)|*.*||" for the file dialogs.
    std::string GetFileFilter() const;

    // A new document (path NULL) or the named file, in the one document; creates document, frame
    // and view the first time. Asks to save unsaved changes first. NULL when cancelled or failed;
    // a failed first open leaves no frame behind.
    CDocument* OpenDocumentFile(const char* path);

    CDocument* GetDocument() const { return m_pDocument.get(); }
    CFrameWnd* GetFrame() const { return m_pFrame.get(); }

    // The frame's window is gone: document, view and frame are destroyed once the current message
    // has been handled (DestroyPending).
    void OnFrameDestroyed();
    void DestroyPending();

private:
    bool CreateFrame();
    void SetDefaultTitle();
    // The view shows the document again; false when the frame closed meanwhile.
    bool InitialUpdateFrame();

    UINT m_nIDResource;
    std::vector<std::string> m_docStrings;
    DocumentFactory m_createDocument;
    FrameFactory m_createFrame;
    ViewFactory m_createView;

    std::unique_ptr<CDocument> m_pDocument;
    std::unique_ptr<CFrameWnd> m_pFrame;
    std::unique_ptr<CFormView> m_pView;
    // Objects whose frame is gone, destroyed outside of their own message handlers.
    std::unique_ptr<CFormView> m_pDeadView;
    std::unique_ptr<CFrameWnd> m_pDeadFrame;
    std::unique_ptr<CDocument> m_pDeadDocument;
};
