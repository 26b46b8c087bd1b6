#pragma once
// A window made from a dialog template: the one dialog procedure, which binds the object to its
// window at WM_INITDIALOG and dispatches to virtual handlers behind the exception barrier.
// CDialog runs one modally; CFormView keeps one as a child of its frame. Every dialog and its
// controls are made through the wide functions, so that its fields hold text in any script (the
// system keeps an ANSI edit control's text in the ANSI code page).

#include <windows.h>

#include <string>

class CDialogWindow {
public:
    CDialogWindow(const CDialogWindow&) = delete;
    CDialogWindow& operator=(const CDialogWindow&) = delete;
    // A window still alive (the program ending without closing it) is detached, so that nothing
    // reaches the object after it is gone.
    virtual ~CDialogWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // A control's text in UTF-8 (a path of any script).
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text) const;
    // The same in UTF-16 (a design's caption and text).
    std::u16string GetDlgItemWideText(int id) const;
    void SetDlgItemWideText(int id, const std::u16string& text) const;
    // The title, in UTF-8.
    void SetWindowText(const std::string& text) const;

protected:
    explicit CDialogWindow(UINT templateId) : m_nIDTemplate(templateId) {}

    // Creates the dialog modelessly as a child or owned window of parent. False on failure.
    bool CreateModeless(HWND parent);
    // Runs the dialog modally; the value EndDialog was given, or -1 when it cannot be created.
    INT_PTR RunModal(HWND parent);

    // WM_INITDIALOG. TRUE lets the system put the focus on the first tab stop.
    virtual BOOL OnInitDialog() { return TRUE; }
    // WM_COMMAND from a control, a menu or an accelerator. True when handled.
    virtual bool OnCommand(WORD id, WORD code) = 0;
    // Any other message; true when handled, with the dialog procedure's result in result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // Last message the window receives; the object is detached afterwards.
    virtual void OnNcDestroy() {}

    HWND m_hWnd = nullptr;
    const UINT m_nIDTemplate;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
};
