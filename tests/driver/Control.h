#pragma once
// Reading the controls of any window or dialog of another process, as a person sees them.

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace testdriver {

// The descendant of window with control id id, searched level by level through nested children
// (a form inside a frame), so that a control is found before the inner parts of other controls
// that reuse its id (the edit inside a drop-down combo box has id 1001); with a className, only a
// control of that class. nullptr when none.
HWND FindControl(HWND window, int id, const std::string& className = {});
// Every descendant of window, level by level: children, then grandchildren, and so on.
std::vector<HWND> Descendants(HWND window);

bool IsEnabled(HWND control);
// Visible on screen: the control and all its parents have WS_VISIBLE.
bool IsShown(HWND control);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE of a check box or radio button; nothing when
// the control does not answer.
std::optional<int> CheckState(HWND control);
DWORD StyleOf(HWND window);
DWORD ExStyleOf(HWND window);

// A rectangle's left, top, right and bottom, which tests compare and print in one go.
inline std::array<LONG, 4> EdgesOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}
// The window's rectangle on the screen.
RECT ScreenRect(HWND window);
// The control's rectangle in the client coordinates of its parent (its dialog).
RECT RectInParent(HWND control);
// The dialog's first icon control (a static with SS_ICON); nullptr when it has none.
HWND FindIconControl(HWND dialog);
// The side of an icon on a display of dpi, as the system sizes icons (32 pixels at 96 DPI).
int IconSideAt(int dpi);
// The window's client area on the screen: what its frame, caption and menu leave.
RECT ClientRectOnScreen(HWND window);
// The window's children (not their own children) whose rectangle reaches outside the client area
// of outer, so that part of them cannot be seen: a line for each with its class, id, text and
// rectangle on the screen; "" when every child lies inside.
std::string ChildrenOutside(HWND window, HWND outer);

// The horizontal and vertical base units of a dialog font: what 4 horizontal and 8 vertical
// dialog units measure in pixels.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};
// The base units of a dialog whose template names face at points, measured as the system does
// (average width of the letters A-Z and a-z, height of the font), on this screen or, with a dpi,
// on a display of that DPI.
DialogBaseUnits BaseUnitsOf(const std::string& face, int points, int dpi = 0);
// The dialog-unit rectangle that MapDialogRect maps exactly to pixels; nothing when no whole
// numbers do.
std::optional<RECT> PixelsToDialogUnits(const RECT& pixels, DialogBaseUnits base);
// A template control's rectangle in dialog units mapped to pixels as the dialog manager places
// the control: its position and its size are mapped separately (so 75 units from the left and 35
// wide, at 6 pixels per 4 units, give 113 and 53, ending at 166 where MapDialogRect gives 165).
RECT ControlUnitsToPixels(const RECT& units, DialogBaseUnits base);
// The template rectangle that ControlUnitsToPixels maps exactly to pixels; nothing when no whole
// numbers do.
std::optional<RECT> ControlPixelsToUnits(const RECT& pixels, DialogBaseUnits base);
// The control's rectangle in dialog units of its parent dialog, whose font gives base, as its
// template gives it (ControlPixelsToUnits).
std::optional<RECT> DialogUnitRect(HWND control, DialogBaseUnits base);

// The items of a combo box in their order, and the text of its current selection (nothing when
// none is selected or the control does not answer).
std::optional<std::vector<std::string>> ComboItems(HWND combo);
std::optional<std::string> ComboSelection(HWND combo);
// The text of a tree view's selected item; nothing when none is selected or the control does not
// answer.
std::optional<std::string> TreeSelection(HWND tree);

// The control of window's thread that has the keyboard focus; nullptr when none.
HWND FocusedControl(HWND window);
// The controls of dialog that Tab visits, in order, starting with the first.
std::vector<HWND> TabOrder(HWND dialog);

} // namespace testdriver
