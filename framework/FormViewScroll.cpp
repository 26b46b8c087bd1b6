// The form's scrolling: its scroll bars, the mouse wheel and the control that takes the focus.

#include "FormView.h"

#include "framework/Dpi.h"

#include <algorithm>

namespace {

// The width of a vertical scroll bar (SM_CXVSCROLL) or the height of a horizontal one
// (SM_CYHSCROLL) at the window's DPI.
int ScrollBarSize(HWND window, int metric) {
    return SystemMetricForDpi(metric, DpiOf(window));
}

// How far a scroll bar's line moves: a tenth of the part shown.
LONG LineOf(LONG page) {
    return std::max(1L, page / 10);
}

// The change that brings the span [low, high) into [0, extent), its start first when it does not
// fit.
LONG IntoView(LONG low, LONG high, LONG extent) {
    if (low < 0)
        return low;
    if (high > extent)
        return std::min(high - extent, low);
    return 0;
}

void SetBar(HWND window, int bar, LONG total, LONG page, LONG position) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = total - 1;
    info.nPage = static_cast<UINT>(page);
    info.nPos = position;
    SetScrollInfo(window, bar, &info, TRUE);
}

} // namespace

bool CFormView::ScrollsHorizontally() const {
    return m_sizeTotal.cx > m_sizePage.cx;
}

bool CFormView::ScrollsVertically() const {
    return m_sizeTotal.cy > m_sizePage.cy;
}

LONG CFormView::ScrollLimit(int bar) const {
    return bar == SB_HORZ ? std::max(0L, m_sizeTotal.cx - m_sizePage.cx)
                          : std::max(0L, m_sizeTotal.cy - m_sizePage.cy);
}

void CFormView::UpdateScrollBars() {
    // Showing or hiding a bar resizes the client area, which comes back here.
    if (m_hWnd == nullptr || m_bUpdatingBars)
        return;
    m_bUpdatingBars = true;
    // The area the form has without scroll bars: the whole view.
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const SIZE area = {window.right - window.left, window.bottom - window.top};
    const LONG barWidth = ScrollBarSize(m_hWnd, SM_CXVSCROLL);
    const LONG barHeight = ScrollBarSize(m_hWnd, SM_CYHSCROLL);
    // Each bar takes room from the other side, which may then need its bar as well.
    bool horizontal = false;
    bool vertical = false;
    for (int pass = 0; pass < 2; ++pass) {
        horizontal = m_sizeTotal.cx > area.cx - (vertical ? barWidth : 0);
        vertical = m_sizeTotal.cy > area.cy - (horizontal ? barHeight : 0);
    }
    m_sizePage = {area.cx - (vertical ? barWidth : 0), area.cy - (horizontal ? barHeight : 0)};
    const POINT position = {std::min(m_ptScroll.x, ScrollLimit(SB_HORZ)),
                            std::min(m_ptScroll.y, ScrollLimit(SB_VERT))};
    SetBar(m_hWnd, SB_HORZ, m_sizeTotal.cx, m_sizePage.cx, position.x);
    SetBar(m_hWnd, SB_VERT, m_sizeTotal.cy, m_sizePage.cy, position.y);
    ShowScrollBar(m_hWnd, SB_HORZ, horizontal);
    ShowScrollBar(m_hWnd, SB_VERT, vertical);
    MoveContents(position);
    m_bUpdatingBars = false;
}

void CFormView::OnScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(m_hWnd, bar, &info);
    const LONG page = bar == SB_HORZ ? m_sizePage.cx : m_sizePage.cy;
    POINT position = m_ptScroll;
    LONG& at = bar == SB_HORZ ? position.x : position.y;
    switch (request) {
    case SB_LINEUP:
        at -= LineOf(page);
        break;
    case SB_LINEDOWN:
        at += LineOf(page);
        break;
    case SB_PAGEUP:
        at -= page;
        break;
    case SB_PAGEDOWN:
        at += page;
        break;
    case SB_TOP:
        at = 0;
        break;
    case SB_BOTTOM:
        at = ScrollLimit(bar);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        at = info.nTrackPos;
        break;
    default:
        return;
    }
    ScrollTo(position);
}

void CFormView::OnWheel(int bar, int delta) {
    int& rest = m_nWheelRest[bar == SB_HORZ ? 0 : 1];
    rest += delta;
    const int notches = rest / WHEEL_DELTA;
    rest %= WHEEL_DELTA;
    if (notches == 0)
        return;
    UINT lines = 3;
    SystemParametersInfoA(bar == SB_HORZ ? SPI_GETWHEELSCROLLCHARS : SPI_GETWHEELSCROLLLINES, 0,
                          &lines, 0);
    const LONG page = bar == SB_HORZ ? m_sizePage.cx : m_sizePage.cy;
    const LONG step = lines == WHEEL_PAGESCROLL ? page : LineOf(page) * static_cast<LONG>(lines);
    POINT position = m_ptScroll;
    // Turning the wheel away from the user scrolls up (a tilt to the right scrolls right).
    if (bar == SB_HORZ)
        position.x += notches * step;
    else
        position.y -= notches * step;
    ScrollTo(position);
}

void CFormView::ScrollIntoView(HWND control) {
    if (control == nullptr)
        return;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    ScrollTo({m_ptScroll.x + IntoView(rect.left, rect.right, m_sizePage.cx),
              m_ptScroll.y + IntoView(rect.top, rect.bottom, m_sizePage.cy)});
}

void CFormView::ScrollTo(POINT position) {
    position.x = std::clamp(position.x, 0L, ScrollLimit(SB_HORZ));
    position.y = std::clamp(position.y, 0L, ScrollLimit(SB_VERT));
    if (position.x != m_ptScroll.x)
        SetScrollPos(m_hWnd, SB_HORZ, position.x, TRUE);
    if (position.y != m_ptScroll.y)
        SetScrollPos(m_hWnd, SB_VERT, position.y, TRUE);
    MoveContents(position);
}

void CFormView::MoveContents(POINT position) {
    const int dx = m_ptScroll.x - position.x;
    const int dy = m_ptScroll.y - position.y;
    if (dx == 0 && dy == 0)
        return;
    m_ptScroll = position;
    ScrollWindowEx(m_hWnd, dx, dy, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

bool CFormView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_SIZE:
        UpdateScrollBars();
        return false;
    case WM_HSCROLL:
    case WM_VSCROLL:
        // The form's own bars; a scroll-bar control would name itself in lParam.
        if (lParam != 0)
            return false;
        OnScroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
        return true;
    case WM_MOUSEWHEEL:
        // The vertical wheel scrolls sideways when only that way is left to scroll.
        OnWheel(ScrollsVertically() || !ScrollsHorizontally() ? SB_VERT : SB_HORZ,
                GET_WHEEL_DELTA_WPARAM(wParam));
        result = TRUE;
        return true;
    case WM_MOUSEHWHEEL:
        OnWheel(SB_HORZ, GET_WHEEL_DELTA_WPARAM(wParam));
        result = TRUE;
        return true;
    default:
        return false;
    }
}
