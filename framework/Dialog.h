#pragma once
// A modal dialog: fields in, OnInitDialog fills the controls, OnOK writes back.

#include "framework/DialogIcon.h"
#include "framework/DialogWindow.h"

class CDialog : public CDialogWindow {
public:
    // The dialog on template templateId, owned by parent (may be NULL).
    explicit CDialog(UINT templateId, HWND parent = nullptr)
        : CDialogWindow(templateId), m_hParent(parent) {}

    // Shows the dialog and returns once it has ended: IDOK, IDCANCEL or what EndDialog was given;
    // -1 when it cannot be created.
    INT_PTR DoModal() { return RunModal(m_hParent); }

protected:
    // Enter on the default button, and the OK button: ends with IDOK.
    virtual void OnOK() { EndDialog(IDOK); }
    // Esc, the close box and the Cancel button: ends with IDCANCEL, changing nothing.
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // Handles IDOK and IDCANCEL; a dialog with more commands overrides it and calls this last.
    bool OnCommand(WORD id, WORD code) override;

    void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }

    // Shows the program's icon resourceId in the dialog's icon control at the size the display
    // the dialog is on asks for, now and whenever the dialog moves to a display of another DPI.
    void ShowIconAtDpi(WORD resourceId);
    // A move to a display of another DPI resizes the icon; the system scales the rest.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    HWND m_hParent;

private:
    CDialogIcon m_icon;
};
