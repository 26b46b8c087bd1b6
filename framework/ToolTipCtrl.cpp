#include "ToolTipCtrl.h"

#include "framework/CommonControls.h"

#include <commctrl.h>

bool CToolTipCtrl::Create(HWND parent) {
    // The tooltip window class comes with the common controls.
    if (parent == nullptr || !LoadCommonControls(ICC_BAR_CLASSES))
        return false;
    m_hWnd =
        CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    return m_hWnd != nullptr;
}

void CToolTipCtrl::SetMaxTipWidth(int width) const {
    SendMessageA(m_hWnd, TTM_SETMAXTIPWIDTH, 0, width);
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) const {
    SendMessageA(m_hWnd, TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

BOOL CToolTipCtrl::AddToolTip(HWND control, const std::string& text) const {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.hinst = GetModuleHandleA(nullptr);
    info.lpszText = const_cast<char*>(text.c_str());
    return SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}
