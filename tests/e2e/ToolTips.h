#pragma once
// The tooltip control of a dialog in another process: which tools it knows, with their flags,
// windows and texts, read from the control itself.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr; // the window that receives the tool's notifications
    UINT_PTR id = 0;     // with TTF_IDISHWND: the tool's own window
    HINSTANCE hinst = nullptr;
    std::string text;
};

// The tooltip window that owner (a dialog) owns; nullptr when it has none.
HWND FindToolTipOf(HWND owner);

// Every tool registered with the tooltip, in its order; nothing when the control cannot be
// asked (its process cannot be read or it does not answer).
std::optional<std::vector<Tool>> ReadTools(HWND toolTip);

// A message to the tooltip that carries no pointer (TTM_GETMAXTIPWIDTH, TTM_GETDELAYTIME...);
// nothing when it does not answer.
std::optional<LRESULT> AskToolTip(HWND toolTip, UINT message, WPARAM wParam = 0);

} // namespace e2e
