#pragma once
// The main frame window: menu, accelerators and icon from one resource id, a caption made of the
// application title and the document's title, and the form view filling its client area. Menu and
// accelerator commands go to the document, then the frame, then the application.

#include "framework/UniqueHandle.h"

#include <windows.h>

#include <string>

class CDocument;
class CFormView;
class CSingleDocTemplate;

// Frame styles in the low word: the caption shows the document's title after the application
// title. The base frame also asks for it before (FWS_PREFIXTITLE); the one frame of the product
// clears that bit, so the caption never puts the document first.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L

class CFrameWnd {
public:
    CFrameWnd() = default;
    // A window still alive (the program ending through its quit message) is detached, so that
    // nothing reaches the object after it is gone, and destroyed without its handlers running.
    virtual ~CFrameWnd();
    CFrameWnd(const CFrameWnd&) = delete;
    CFrameWnd& operator=(const CFrameWnd&) = delete;

    // Creates the (hidden) window with the menu, accelerators and icon of resource resourceId and
    // the given title. False when PreCreateWindow refused or the window could not be created.
    bool LoadFrame(UINT resourceId, const std::string& title, CSingleDocTemplate* docTemplate);

    HWND GetSafeHwnd() const { return m_hWnd; }
    void SetActiveView(CFormView* view) { m_pView = view; }
    void SetActiveDocument(CDocument* document) { m_pDocument = document; }
    // True once the window has been shown.
    bool HasBeenShown() const { return m_bShown; }

    // Lays the view over the whole client area.
    void RecalcLayout(BOOL bNotify = TRUE);
    // Caption: the title, " - " and the document's title.
    void OnUpdateFrameTitle();

    // Accelerators of the frame, then the form's dialog keys; true when the message was handled.
    bool PreTranslateMessage(MSG& msg);

    // A menu or accelerator command: the document, then the frame, then the application.
    void RouteCommand(WORD id);

protected:
    // Adjusts the creation parameters; FALSE stops the creation. The base gives an overlapped
    // window with FWS_ADDTOTITLE and FWS_PREFIXTITLE at the system's default position.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    // WM_DESTROY, while the window and its children still exist.
    virtual void OnDestroy() {}
    // WM_QUERYENDSESSION, the user logging off or shutting down: TRUE lets the session end.
    // Unsaved changes are offered for saving first, as when the window is closed; Cancel, or a
    // save that fails or is cancelled, keeps the session (and the editor) going.
    virtual BOOL OnQueryEndSession();
    // WM_ENDSESSION. With bEnding the system ends the process as soon as this returns, without
    // the window being destroyed or the message loop ending: the main window ends the
    // application's run here (CWinApp::OnSessionEnding). Without bEnding nothing happens.
    virtual void OnEndSession(BOOL bEnding);
    // A command of the frame's own command table; true when handled.
    virtual bool OnCommand(WORD) { return false; }

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnNcDestroy();
    // WM_DPICHANGED: the window takes the rectangle the system suggests for the new DPI, the form
    // is laid out again for it, and the window fits the form again on each side where it showed
    // the whole form; a side that scrolled keeps the suggested size, never larger than the form.
    void OnDpiChanged(UINT dpi, const RECT& suggested);

    std::string m_strTitle;
    HACCEL m_hAccelTable = nullptr;
    CSingleDocTemplate* m_pDocTemplate = nullptr;
    CDocument* m_pDocument = nullptr;
    CFormView* m_pView = nullptr;
    HWND m_hFocusOnActivate = nullptr;
    bool m_bShown = false;
};
