#include "FrameWnd.h"

#include "framework/CodePage.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FormView.h"
#include "framework/Guard.h"
#include "framework/SystemLibrary.h"
#include "framework/WinApp.h"

namespace {

// A window of the wide functions: its title holds a file name of any script.
const wchar_t* const kFrameClass = L"FrameWindow";

bool RegisterFrameClass(UINT resourceId, WNDPROC windowProc) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, kFrameClass, &existing))
        return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(resourceId),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    windowClass.lpszClassName = kFrameClass;
    return RegisterClassExW(&windowClass) != 0;
}

const char* const kThisProperty = "CFrameWnd";

} // namespace

CFrameWnd::~CFrameWnd() {
    if (m_hWnd == nullptr)
        return;
    RemovePropA(m_hWnd, kThisProperty);
    DestroyWindow(m_hWnd);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    cs.style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE | FWS_PREFIXTITLE;
    return TRUE;
}

bool CFrameWnd::LoadFrame(UINT resourceId, const std::string& title,
                          CSingleDocTemplate* docTemplate) {
    m_strTitle = title;
    m_pDocTemplate = docTemplate;
    if (!RegisterFrameClass(resourceId, WindowProc))
        return false;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    // The menu belongs to the window once it exists; until then to this function.
    MenuHandle menu(LoadMenuA(instance, MAKEINTRESOURCEA(resourceId)));
    CREATESTRUCTA cs{};
    cs.hInstance = instance;
    cs.hMenu = menu.Get();
    cs.lpszName = m_strTitle.c_str();
    cs.x = CW_USEDEFAULT;
    cs.y = CW_USEDEFAULT;
    cs.cx = CW_USEDEFAULT;
    cs.cy = CW_USEDEFAULT;
    if (!PreCreateWindow(cs))
        return false;
    m_hAccelTable = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
    PrepareSystemRoad(SystemRoad::Windows);
    const HWND window =
        CreateWindowExW(cs.dwExStyle, kFrameClass, ToWide(CP_UTF8, cs.lpszName).c_str(), cs.style,
                        cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, instance, this);
    if (window == nullptr)
        return false;
    menu.Release();
    return true;
}

LRESULT CALLBACK CFrameWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CFrameWnd*>(GetPropA(window, kThisProperty));
    if (message == WM_NCCREATE) {
        self = static_cast<CFrameWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetPropA(window, kThisProperty, self);
        self->m_hWnd = window;
    }
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kThisProperty);
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        Guarded("frame destruction", 0, [self] {
            self->OnNcDestroy();
            return 0;
        });
        return result;
    }
    return Guarded("frame window procedure", LRESULT(0),
                   [&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT CFrameWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0) {
            RouteCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_SIZE:
        RecalcLayout();
        break;
    case WM_SHOWWINDOW:
        m_bShown = m_bShown || wParam != FALSE;
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            m_hFocusOnActivate = GetFocus();
        break;
    case WM_SETFOCUS:
        if (m_pView != nullptr && m_pView->GetSafeHwnd() != nullptr) {
            HWND focus = m_hFocusOnActivate;
            if (focus == nullptr || !IsChild(m_pView->GetSafeHwnd(), focus))
                focus = GetNextDlgTabItem(m_pView->GetSafeHwnd(), nullptr, FALSE);
            SetFocus(focus != nullptr ? focus : m_pView->GetSafeHwnd());
            return 0;
        }
        break;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_QUERYENDSESSION:
        return OnQueryEndSession();
    case WM_ENDSESSION:
        OnEndSession(static_cast<BOOL>(wParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

void CFrameWnd::RouteCommand(WORD id) {
    if (m_pDocument != nullptr && m_pDocument->OnCommand(id))
        return;
    if (OnCommand(id))
        return;
    if (CWinApp* app = AfxGetApp())
        app->OnCommand(id);
}

void CFrameWnd::OnClose() {
    if (m_pDocument != nullptr && !m_pDocument->SaveModified())
        return;
    DestroyWindow(m_hWnd);
}

BOOL CFrameWnd::OnQueryEndSession() {
    return m_pDocument == nullptr || m_pDocument->SaveModified();
}

void CFrameWnd::OnEndSession(BOOL bEnding) {
    CWinApp* app = AfxGetApp();
    if (bEnding && app != nullptr && app->m_hMainWnd == m_hWnd)
        app->OnSessionEnding();
}

void CFrameWnd::OnDpiChanged(UINT dpi, const RECT& suggested) {
    const bool view = m_pView != nullptr && m_pView->GetSafeHwnd() != nullptr;
    const bool fitWidth = view && !m_pView->ScrollsHorizontally();
    const bool fitHeight = view && !m_pView->ScrollsVertically();
    SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!view)
        return;
    m_pView->ScaleToDpi(dpi);
    m_pView->FitParent(fitWidth, fitHeight);
}

void CFrameWnd::OnNcDestroy() {
    const bool wasMain = AfxGetApp() != nullptr && AfxGetApp()->m_hMainWnd == m_hWnd;
    // The template clears the main window while this object still knows its handle.
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->OnFrameDestroyed();
    m_hWnd = nullptr;
    if (wasMain)
        PostQuitMessage(0);
}

void CFrameWnd::RecalcLayout(BOOL) {
    if (m_pView == nullptr || m_pView->GetSafeHwnd() == nullptr)
        return;
    RECT client{};
    GetClientRect(m_hWnd, &client);
    MoveWindow(m_pView->GetSafeHwnd(), 0, 0, client.right, client.bottom, TRUE);
}

void CFrameWnd::OnUpdateFrameTitle() {
    if (m_hWnd == nullptr)
        return;
    const LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    std::string caption = m_strTitle;
    if ((style & FWS_ADDTOTITLE) && m_pDocument != nullptr)
        caption += " - " + m_pDocument->GetTitle();
    SetWindowTextW(m_hWnd, ToWide(CP_UTF8, caption).c_str());
}

bool CFrameWnd::PreTranslateMessage(MSG& msg) {
    if (m_hWnd == nullptr)
        return false;
    if (msg.hwnd != m_hWnd && !IsChild(m_hWnd, msg.hwnd))
        return false;
    if (m_hAccelTable != nullptr && TranslateAcceleratorW(m_hWnd, m_hAccelTable, &msg))
        return true;
    return m_pView != nullptr && m_pView->IsDialogMessage(msg);
}
