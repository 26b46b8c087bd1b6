#include "DialogWindow.h"

#include "framework/CodePage.h"
#include "framework/CommonControls.h"
#include "framework/Guard.h"
#include "framework/SystemLibrary.h"
#include "framework/WideText.h"

#include <commctrl.h>

#include <vector>

namespace {

const char* const kThisProperty = "CDialogWindow";

} // namespace

CDialogWindow::~CDialogWindow() {
    if (m_hWnd != nullptr)
        RemovePropA(m_hWnd, kThisProperty);
}

std::string CDialogWindow::GetDlgItemText(int id) const {
    return FromWide(CP_UTF8, ToWString(GetDlgItemWideText(id)));
}

void CDialogWindow::SetDlgItemText(int id, const std::string& text) const {
    ::SetDlgItemTextW(m_hWnd, id, ToWide(CP_UTF8, text).c_str());
}

std::u16string CDialogWindow::GetDlgItemWideText(int id) const {
    const HWND item = GetDlgItem(id);
    const int length = item != nullptr ? GetWindowTextLengthW(item) : 0;
    if (length <= 0)
        return std::u16string();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextW(item, buffer.data(), length + 1);
    return std::u16string(buffer.begin(), buffer.begin() + (copied > 0 ? copied : 0));
}

void CDialogWindow::SetDlgItemWideText(int id, const std::u16string& text) const {
    ::SetDlgItemTextW(m_hWnd, id, AsWide(text));
}

void CDialogWindow::SetWindowText(const std::string& text) const {
    ::SetWindowTextW(m_hWnd, ToWide(CP_UTF8, text).c_str());
}

bool CDialogWindow::CreateModeless(HWND parent) {
    // The template's buttons, edits, lists and labels are the common controls' own.
    PrepareSystemRoad(SystemRoad::Windows);
    LoadCommonControls(ICC_STANDARD_CLASSES);
    const HWND window =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), parent,
                           DialogProc, reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

INT_PTR CDialogWindow::RunModal(HWND parent) {
    PrepareSystemRoad(SystemRoad::Windows);
    LoadCommonControls(ICC_STANDARD_CLASSES);
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), parent,
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
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    default: {
        INT_PTR result = FALSE;
        return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
    }
}
