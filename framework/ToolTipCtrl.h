#pragma once
// A tooltip control owned by a dialog: tips for the dialog's controls, shown while the mouse rests
// on them.

#include "framework/UniqueHandle.h"

#include <windows.h>

#include <string>

class CToolTipCtrl {
public:
    // Creates the control, owned by parent, with no extra style. False on failure.
    bool Create(HWND parent);
    HWND GetSafeHwnd() const { return m_hWnd.Get(); }

    // The widest a tip may be, in pixels; line breaks in the texts take effect with it.
    void SetMaxTipWidth(int width) const;
    // One of the delays (TTDT_INITIAL, TTDT_AUTOPOP, TTDT_RESHOW) in milliseconds.
    void SetDelayTime(DWORD which, int milliseconds) const;
    // Registers control as a tool with the text; the control keeps its own copy. The tooltip
    // watches the mouse over the control itself. TRUE when the tooltip accepted it.
    BOOL AddToolTip(HWND control, const std::string& text) const;

private:
    WindowHandle m_hWnd;
};
