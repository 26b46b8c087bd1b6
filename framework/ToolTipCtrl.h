#pragma once
// A tooltip control owned by a dialog: tips for the dialog's controls, shown while the mouse rests
// on them. The tooltip window belongs to the dialog, which destroys it together with itself.

#include <windows.h>

#include <string>

class CToolTipCtrl {
public:
    CToolTipCtrl() = default;
    CToolTipCtrl(const CToolTipCtrl&) = delete;
    CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

    // Creates the control, owned by parent (never NULL), with no extra style. False on failure.
    bool Create(HWND parent);
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The widest a tip may be, in pixels; line breaks in the texts take effect with it.
    void SetMaxTipWidth(int width) const;
    // One of the delays (TTDT_INITIAL, TTDT_AUTOPOP, TTDT_RESHOW) in milliseconds.
    void SetDelayTime(DWORD which, int milliseconds) const;
    // Registers control as a tool with the text; the control keeps its own copy. The tooltip
    // watches the mouse over the control itself. TRUE when the tooltip accepted it.
    BOOL AddToolTip(HWND control, const std::string& text) const;

private:
    // Used, never destroyed here: by the time this object goes, its owner has destroyed it.
    HWND m_hWnd = nullptr;
};
