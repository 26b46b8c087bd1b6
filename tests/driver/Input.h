#pragma once
// Using the windows of another process as a person does: clicking, typing, choosing, pressing
// keys and menu commands, closing and moving windows. Nothing here waits for the program to act
// on the input: the test waits for what it expects to see.

#include <windows.h>

#include <initializer_list>
#include <string>

namespace testdriver {

// Clicks a button (BM_CLICK): a push button sends its command, a check box toggles.
// False when the button is missing or disabled.
bool Click(HWND button);
// Replaces an edit control's text; the program receives EN_CHANGE as if a user had typed it.
bool SetEditText(HWND edit, const std::string& text);
// Types text character by character (WM_CHAR) into control, where a user's typing goes when it
// has the focus.
bool TypeText(HWND control, const std::string& text);
// The same for text in UTF-16 (any script), one wide WM_CHAR per unit.
bool TypeWideText(HWND control, const std::wstring& text);
// Presses and releases a key (VK_RETURN, VK_ESCAPE, VK_TAB...) in window's thread, at the control
// that has the keyboard focus (or window itself when the focus is elsewhere).
bool PressKey(HWND window, WORD virtualKey);
// Presses a key as real keyboard input, with heldKeys (VK_CONTROL, VK_SHIFT, VK_MENU) held down
// around it: the window is brought to the foreground first. Accelerators with modifiers need
// this, as a posted key leaves the program's own view of Ctrl, Shift and Alt untouched.
bool PressAsKeyboard(HWND window, WORD virtualKey, std::initializer_list<WORD> heldKeys = {});
// PressAsKeyboard with Ctrl held, as a user presses Ctrl+key.
bool PressCtrlKey(HWND window, WORD virtualKey);
// Moves the mouse pointer onto the middle of window, as real input, so that what watches the mouse
// there (a tip) reacts.
bool HoverOver(HWND window);
// Chooses the combo-box item whose text is exactly text, as a user picking it from the list: the
// selection changes and the parent receives CBN_SELENDOK and CBN_SELCHANGE. False when there is
// no such item.
bool ChooseComboItem(HWND combo, const std::string& text);
// The same choice made with the keyboard, as real input: the focus moves to the combo box, F4
// opens its list, Home and Down go to the item and Enter takes it; the program gets whatever the
// combo box itself sends (CBN_SELCHANGE for each step, then CBN_SELENDOK).
bool ChooseComboItemByKeyboard(HWND combo, const std::string& text);
// Sends a frame the menu command id, as a click on the menu item does.
bool InvokeCommand(HWND frame, UINT id);
// Asks the window to close (WM_CLOSE), as the close button does.
bool AskToClose(HWND window);
// Chooses Close on the window's system menu (WM_SYSCOMMAND SC_CLOSE), as Alt+F4 does.
bool CloseFromSystemMenu(HWND window);
// Uses a window's own scroll bar (SB_HORZ or SB_VERT) as a person does: the bar's request
// (SB_LINEDOWN, SB_PAGEUP, SB_TOP, SB_BOTTOM...) reaches the window.
bool UseScrollBar(HWND window, int bar, WORD request);
// Turns the mouse wheel by notches (away from the user when positive) with the pointer resting
// on window, which receives the turn as Windows sends it there.
bool TurnWheel(HWND window, int notches);
// Moves a top-level window so that its top-left corner is at (x, y) on the screen.
bool MoveWindowTo(HWND window, int x, int y);

} // namespace testdriver
