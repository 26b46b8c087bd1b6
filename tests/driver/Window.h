#pragma once
// Finding the windows of one started program and telling a message box from any other dialog.
// Windows are looked up by the program's process id, never by caption alone, and every wait has
// a time limit.

#include "tests/driver/Process.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testdriver {

// The window's class name ("#32770", "Edit"...).
std::string ClassOf(HWND window);
// The window's text, answered by the window's own thread (WM_GETTEXT); nothing when it does not
// answer in time or is gone.
std::optional<std::string> TextOf(HWND window);
// The same through the wide messages: the text in UTF-16, whatever the ANSI code page holds.
std::optional<std::wstring> WideTextOf(HWND window);
// TextOf, or "" when there is no answer.
std::string WindowText(HWND window);

// True for a system message box: a "#32770" dialog whose controls are only the box's one text
// (id 0xFFFF, showing "&" as it is), its optional icon and push buttons with the ids MessageBox
// returns, at least one of them. Dialogs with edit, combo, list or check-box controls, other
// statics or unnamed labels (which share the id 0xFFFF) are not.
bool IsMessageBox(HWND window);

// The visible top-level windows of process id pid whose class and caption are exactly the ones
// given (an empty className or caption matches any), in the system's z-order.
std::vector<HWND> FindWindows(DWORD pid, const std::string& className, const std::string& caption);
// The first of FindWindows within limit; nullptr when none appears in time or the process ends
// without one.
HWND WaitForWindow(const Process& process, const std::string& className, const std::string& caption,
                   milliseconds limit);
// The first visible top-level window of the process for which matches is true; nullptr as for
// WaitForWindow.
HWND WaitForWindowWhere(const Process& process, const std::function<bool(HWND)>& matches,
                        milliseconds limit);
// The first visible dialog ("#32770" that is not a message box) of the process captioned caption
// (any caption when empty); nullptr as for WaitForWindow.
HWND WaitForDialog(const Process& process, const std::string& caption, milliseconds limit);
// The first visible tip ("tooltips_class32") of the process within limit; its text is the tip's.
// nullptr as for WaitForWindow.
HWND WaitForTip(const Process& process, milliseconds limit);
// True once window's text (a caption, a control's text) is exactly text within limit.
bool WaitForText(HWND window, const std::string& text, milliseconds limit);
// True once window is gone or hidden within limit.
bool WaitUntilGone(HWND window, milliseconds limit);

} // namespace testdriver
