#include "DialogWindow.h"

#include "framework/CommandIds.h"
#include "framework/CommonControls.h"
#include "framework/Guard.h"
#include "framework/SystemLibrary.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace {

const char* const kThisProperty = "CDialogWindow";

// Fills the dialog's lists with the items its RT_DLGINIT resource holds, if it has one.
void ExecuteDlgInit(HWND dialog, UINT templateId) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(RT_DLGINIT));
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    if (data == nullptr)
        return;
    const DWORD size = SizeofResource(module, found);
    DWORD at = 0;
    while (at + 8 <= size) {
        WORD control = 0;
        WORD message = 0;
        DWORD length = 0;
        std::memcpy(&control, data + at, 2);
        if (control == 0)
            return;
        std::memcpy(&message, data + at + 2, 2);
        std::memcpy(&length, data + at + 4, 4);
        at += 8;
        if (length > size - at)
            return;
        if (message == DLGINIT_ADDSTRING && length > 0 && data[at + length - 1] == '\0')
            SendDlgItemMessageA(dialog, control, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(data + at));
        at += length;
    }
}

} // namespace

CDialogWindow::~CDialogWindow() {
    if (m_hWnd != nullptr)
        RemovePropA(m_hWnd, kThisProperty);
}

std::string CDialogWindow::GetDlgItemText(int id) const {
    const HWND item = GetDlgItem(id);
    const int length = item != nullptr ? GetWindowTextLengthA(item) : 0;
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(item, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void CDialogWindow::SetDlgItemText(int id, const std::string& text) const {
    ::SetDlgItemTextA(m_hWnd, id, text.c_str());
}

void CDialogWindow::SetWindowText(const std::string& text) const {
    ::SetWindowTextA(m_hWnd, text.c_str());
}

bool CDialogWindow::CreateModeless(HWND parent) {
    // The template's buttons, edits, lists and labels are the common controls' own.
    PrepareSystemRoad(SystemRoad::Windows);
    LoadCommonControls(ICC_STANDARD_CLASSES);
    const HWND window =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), parent,
                           DialogProc, reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

INT_PTR CDialogWindow::RunModal(HWND parent) {
    PrepareSystemRoad(SystemRoad::Windows);
    LoadCommonControls(ICC_STANDARD_CLASSES);
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), parent,
                           DialogProc, reinterpret_cast<LPARAM>(this));
}

bool CDialogWindow::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

INT_PTR CALLBACK CDialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* self = static_cast<CDialogWindow*>(GetPropA(window, kThisProperty));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogWindow*>(lParam);
        SetPropA(window, kThisProperty, self);
        self->m_hWnd = window;
    }
    if (self == nullptr)
        return FALSE;
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kThisProperty);
        Guarded("dialog destruction", 0, [self] {
            self->OnNcDestroy();
            return 0;
        });
        self->m_hWnd = nullptr;
        return FALSE;
    }
    return Guarded("dialog procedure", INT_PTR(FALSE),
                   [&] { return self->HandleMessage(message, wParam, lParam); });
}

INT_PTR CDialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        ExecuteDlgInit(m_hWnd, m_nIDTemplate);
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    default: {
        INT_PTR result = FALSE;
        return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
    }
}
