#include "Dialog.h"

#include "framework/CommandTable.h"
#include "framework/Dpi.h"

bool CDialog::OnCommand(WORD id, WORD) {
    static const Command<CDialog> kCommands[] = {
        {IDOK, &CDialog::OnOK},
        {IDCANCEL, &CDialog::OnCancel},
    };
    return Dispatch(*this, kCommands, id);
}

void CDialog::ShowIconAtDpi(WORD resourceId) {
    m_icon.Show(m_hWnd, resourceId, DpiOf(m_hWnd));
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR&) {
    if (message == WM_DPICHANGED)
        m_icon.Resize(m_hWnd, LOWORD(wParam));
    // Not handled: the dialog manager scales the dialog itself.
    return false;
}
