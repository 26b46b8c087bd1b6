#include "FormView.h"

#include "framework/FrameWnd.h"

#include <algorithm>

bool CFormView::Create(CFrameWnd* frame, CDocument* document) {
    m_pFrame = frame;
    m_pDocument = document;
    if (!CreateModeless(frame->GetSafeHwnd()))
        return false;
    RECT rect{};
    GetWindowRect(m_hWnd, &rect);
    m_sizeTotal = {rect.right - rect.left, rect.bottom - rect.top};
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
    const HWND frame = m_pFrame != nullptr ? m_pFrame->GetSafeHwnd() : nullptr;
    if (frame == nullptr)
        return;
    // The frame size whose client area is exactly the form.
    RECT wanted = {0, 0, m_sizeTotal.cx, m_sizeTotal.cy};
    AdjustWindowRectEx(&wanted, static_cast<DWORD>(GetWindowLongPtrA(frame, GWL_STYLE)),
                       GetMenu(frame) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrA(frame, GWL_EXSTYLE)));
    LONG width = wanted.right - wanted.left;
    LONG height = wanted.bottom - wanted.top;
    RECT current{};
    GetWindowRect(frame, &current);
    if (bShrinkOnly) {
        width = std::min(width, current.right - current.left);
        height = std::min(height, current.bottom - current.top);
    }
    SetWindowPos(frame, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CFormView::IsDialogMessage(MSG& msg) const {
    return m_hWnd != nullptr && ::IsDialogMessageA(m_hWnd, &msg);
}

bool CFormView::OnCommand(WORD id, WORD code) {
    if (OnControlCommand(id, code))
        return true;
    return id == IDOK || id == IDCANCEL;
}
