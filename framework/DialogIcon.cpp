#include "DialogIcon.h"

#include <cstring>

namespace {

HWND FindIconControl(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = "";
        GetClassNameA(child, className, sizeof className);
        if (_stricmp(className, "Static") == 0 &&
            (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return child;
    }
    return nullptr;
}

} // namespace

void CDialogIcon::Show(HWND dialog, WORD resourceId, UINT dpi) {
    m_resourceId = resourceId;
    const HWND control = FindIconControl(dialog);
    IconHandle icon = LoadIconForDpi(resourceId, dpi);
    if (control == nullptr || !icon)
        return;
    SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(icon.Get()), 0);
    // The control shows the new icon before the old one is destroyed.
    m_icon = std::move(icon);
}

void CDialogIcon::Resize(HWND dialog, UINT dpi) {
    if (m_resourceId != 0)
        Show(dialog, m_resourceId, dpi);
}
