#include "FormView.h"

#include "framework/FrameWnd.h"
#include "framework/SystemLibrary.h"

#include <algorithm>

namespace {

// Under per-monitor DPI awareness the system would scale a dialog by itself when the DPI
// changes; the form scales itself instead (ScaleToDpi), together with its frame.
void KeepSystemFromScaling(HWND form) {
    const auto setBehavior =
        SystemFunction<BOOL WINAPI(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS)>(
            L"user32.dll", "SetDialogDpiChangeBehavior");
    if (setBehavior != nullptr)
        setBehavior(form, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

// The direct child of form that window is or lies in; nullptr when it is not in the form.
HWND ControlOf(HWND form, HWND window) {
    while (window != nullptr && GetParent(window) != form)
        window = GetParent(window);
    return window;
}

} // namespace

bool CFormView::Create(CFrameWnd* frame, CDocument* document) {
    m_pFrame = frame;
    m_pDocument = document;
    if (!CreateModeless(frame->GetSafeHwnd()))
        return false;
    KeepSystemFromScaling(m_hWnd);
    RECT rect{};
    GetWindowRect(m_hWnd, &rect);
    m_sizeTotal = {rect.right - rect.left, rect.bottom - rect.top};
    m_sizePage = m_sizeTotal;
    ShowWindow(m_hWnd, SW_SHOWNA);
    return true;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
}

BOOL CFormView::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange;
    exchange.m_bSaveAndValidate = bSaveAndValidate != FALSE;
    DoDataExchange(&exchange);
    return TRUE;
}

void CFormView::ResizeParentToFit(BOOL bShrinkOnly) {
    FitParent(!bShrinkOnly, !bShrinkOnly);
}

void CFormView::FitParent(bool exactWidth, bool exactHeight) {
    const HWND frame = m_pFrame != nullptr ? m_pFrame->GetSafeHwnd() : nullptr;
    // A minimized frame has no client area to measure or fit.
    if (frame == nullptr || IsIconic(frame))
        return;
    // The frame size whose client area is exactly the form: the form and the frame's own border,
    // caption and menu bar as they are now (at the window's DPI).
    RECT window{};
    RECT client{};
    GetWindowRect(frame, &window);
    GetClientRect(frame, &client);
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    LONG wanted = m_sizeTotal.cx + width - client.right;
    const LONG newWidth = exactWidth ? wanted : std::min(wanted, width);
    wanted = m_sizeTotal.cy + height - client.bottom;
    const LONG newHeight = exactHeight ? wanted : std::min(wanted, height);
    SetWindowPos(frame, nullptr, 0, 0, newWidth, newHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CFormView::IsDialogMessage(MSG& msg) {
    if (m_hWnd == nullptr)
        return false;
    const HWND before = GetFocus();
    if (!::IsDialogMessageW(m_hWnd, &msg))
        return false;
    const HWND after = GetFocus();
    if (after != before)
        ScrollIntoView(ControlOf(m_hWnd, after));
    return true;
}

bool CFormView::OnCommand(WORD id, WORD code) {
    if (OnControlCommand(id, code))
        return true;
    return id == IDOK || id == IDCANCEL;
}
