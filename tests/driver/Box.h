#pragma once
// Finding, reading and answering the windows of one started program, the way a person sees and
// uses them. Windows are always looked up by the program's process id, never by caption alone,
// and every wait has a time limit.

#include "tests/driver/Process.h"

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace testdriver {

// The visible top-level windows of process id pid, in the system's z-order.
std::vector<HWND> VisibleWindows(DWORD pid);
// The visible message boxes among them (IsMessageBox: never another dialog).
std::vector<HWND> VisibleBoxes(DWORD pid);

// A program watched from its start to the end of everything it started, for runs that must show
// nothing: every visible top-level window any of its processes showed meanwhile (a box, a
// dialog, a console), each once, as its class and caption.
struct WatchedRun {
    bool ended = false; // false when limit expired first
    std::vector<std::string> windows;
};
WatchedRun WatchUntilTreeEnds(Process& process, milliseconds limit);

// The first visible message box of the process within limit; nullptr when none appears in time or
// the process ends without one.
HWND WaitForBox(const Process& process, milliseconds limit);
// The first visible top-level window of any class of the process; nullptr as for WaitForBox.
HWND WaitForWindow(const Process& process, milliseconds limit);
// A visible message box of the process other than previous (for a program that shows a second box
// once the first is answered); nullptr as for WaitForBox.
HWND WaitForNextBox(const Process& process, HWND previous, milliseconds limit);
// True once the process shows no message box (also when it has ended) within limit. Call it after
// a box was seen: before the first box appears it is trivially true.
bool WaitUntilNoBox(const Process& process, milliseconds limit);

enum class BoxIcon { None, Error, Question, Warning, Information, Unknown };
const char* ToString(BoxIcon icon);
std::ostream& operator<<(std::ostream& out, BoxIcon icon);

// A button's text as shown: mnemonic markers removed ("&Yes" -> "Yes", "&&" -> "&").
std::string WithoutMnemonics(const std::string& text);

struct BoxButton {
    int id = 0;          // control id, which is also what MessageBox returns for it (IDOK...)
    std::string text;    // as shown: mnemonic markers removed ("&Yes" -> "Yes", "&&" -> "&")
    std::string rawText; // as the control holds it
};

// The buttons' shown texts and their ids, in the order given.
std::vector<std::string> ButtonTextsOf(const std::vector<BoxButton>& buttons);
std::vector<int> ButtonIdsOf(const std::vector<BoxButton>& buttons);
// The visible buttons of a message box or task dialog from left to right (top to bottom where they
// share a column), and in defaultButton the id of the one drawn as the default (BS_DEFPUSHBUTTON);
// nothing when a button does not answer.
std::optional<std::vector<BoxButton>> ReadButtons(HWND dialog, std::optional<int>& defaultButton);

struct BoxContents {
    // As the ANSI messages give them (in the code page), and as the box holds them.
    std::string caption;
    std::string text;
    std::wstring wideCaption;
    std::wstring wideText;
    // The visible buttons from left to right.
    std::vector<BoxButton> buttons;
    // The control id of the button drawn as the default (BS_DEFPUSHBUTTON), if any.
    std::optional<int> defaultButton;
    BoxIcon icon = BoxIcon::None;
    bool topmost = false;
    HWND owner = nullptr;

    std::vector<std::string> ButtonTexts() const { return ButtonTextsOf(buttons); }
    std::vector<int> ButtonIds() const { return ButtonIdsOf(buttons); }
};

// Everything a person can read off the message box. The icon is recognised by its pixels on the
// screen, so the box must not be covered; iconLimit is how long to wait for it to be painted
// before it counts as Unknown. Nothing when box is not a message box or disappears while read.
std::optional<BoxContents> ReadBox(HWND box, milliseconds iconLimit = milliseconds(3000));

// Just the icon, as ReadBox recognises it.
BoxIcon ReadBoxIcon(HWND box, milliseconds limit = milliseconds(3000));
// The system icon an icon static shows, recognised by its pixels as ReadBox does.
BoxIcon ReadIconControl(HWND control, milliseconds limit = milliseconds(3000));

// Clicks the visible, enabled button with control id (IDOK, IDNO...). False when there is none.
bool PressButton(HWND box, int id);
// Clicks the visible, enabled button whose text, as shown or as held, is exactly text.
bool PressButtonWithText(HWND box, const std::string& text);
// Types one key (a virtual-key code such as VK_ESCAPE or VK_RETURN) into the box, where its
// keyboard focus is.
bool SendKey(HWND box, WORD virtualKey);

} // namespace testdriver
