#include "tests/driver/Input.h"

#include "tests/driver/Control.h"
#include "tests/driver/Messages.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

namespace testdriver {

namespace {

constexpr milliseconds kForegroundLimit(1000);
constexpr milliseconds kSwitchInterval(10);

bool PostKey(HWND target, WORD virtualKey) {
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    const LPARAM up = down | (LPARAM(1) << 30) | (LPARAM(1) << 31);
    // The key down may already have closed the target (Esc, Enter) when the key up is posted.
    return PostMessageA(target, WM_KEYDOWN, virtualKey, down) &&
           (PostMessageA(target, WM_KEYUP, virtualKey, up) || !IsWindow(target));
}

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

} // namespace

bool Click(HWND button) {
    if (!IsWindow(button) || !IsWindowEnabled(button))
        return false;
    // Posted: a click may open a modal dialog, and the driver must not wait for it to close.
    return PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

bool SetEditText(HWND edit, const std::string& text) {
    if (!IsWindow(edit))
        return false;
    const auto set = Ask(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return set && *set == TRUE;
}

bool TypeText(HWND control, const std::string& text) {
    return IsWindow(control) && std::all_of(text.begin(), text.end(), [&](char c) {
               return PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1) != FALSE;
           });
}

bool TypeWideText(HWND control, const std::wstring& text) {
    return IsWindow(control) && std::all_of(text.begin(), text.end(), [&](wchar_t unit) {
               return PostMessageW(control, WM_CHAR, static_cast<WPARAM>(unit), 1) != FALSE;
           });
}

bool PressKey(HWND window, WORD virtualKey) {
    if (!IsWindow(window))
        return false;
    HWND focus = FocusedControl(window);
    const bool inside = focus && (focus == window || IsChild(window, focus));
    return PostKey(inside ? focus : window, virtualKey);
}

bool PressAsKeyboard(HWND window, WORD virtualKey, std::initializer_list<WORD> heldKeys) {
    if (!IsWindow(window))
        return false;
    // Real input goes to the foreground window's thread: bring the window there first, and give
    // the switch a moment to take effect.
    SetForegroundWindow(window);
    WaitUntil([&] { return GetForegroundWindow() == window; }, kForegroundLimit, kSwitchInterval);
    std::vector<INPUT> inputs;
    for (WORD held : heldKeys)
        inputs.push_back(KeyInput(held, false));
    inputs.push_back(KeyInput(virtualKey, false));
    inputs.push_back(KeyInput(virtualKey, true));
    for (auto held = std::rbegin(heldKeys); held != std::rend(heldKeys); ++held)
        inputs.push_back(KeyInput(*held, true));
    const auto count = static_cast<UINT>(inputs.size());
    return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

bool PressCtrlKey(HWND window, WORD virtualKey) {
    return PressAsKeyboard(window, virtualKey, {VK_CONTROL});
}

bool HoverOver(HWND window) {
    RECT rect{};
    if (!IsWindow(window) || !GetWindowRect(window, &rect))
        return false;
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    // Two steps, so that the window sees the pointer move inside it.
    return SetCursorPos(x - 1, y) && SetCursorPos(x, y);
}

// The index of the enabled combo box's item whose text is exactly text (CB_FINDSTRINGEXACT would
// ignore case); nothing when there is none.
std::optional<LRESULT> ItemIndex(HWND combo, const std::string& text) {
    if (!IsWindow(combo) || !IsWindowEnabled(combo))
        return std::nullopt;
    const auto items = ComboItems(combo);
    if (!items)
        return std::nullopt;
    const auto found = std::find(items->begin(), items->end(), text);
    if (found == items->end())
        return std::nullopt;
    return static_cast<LRESULT>(found - items->begin());
}

bool ChooseComboItem(HWND combo, const std::string& text) {
    const auto found = ItemIndex(combo, text);
    if (!found)
        return false;
    const LRESULT index = *found;
    const auto set = Ask(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (!set || *set != index)
        return false;
    // CB_SETCURSEL tells the program nothing; a user's choice reaches it as these notifications.
    HWND parent = GetParent(combo);
    const int id = GetDlgCtrlID(combo);
    const LPARAM from = reinterpret_cast<LPARAM>(combo);
    return PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), from) &&
           PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), from);
}

bool ChooseComboItemByKeyboard(HWND combo, const std::string& text) {
    const auto found = ItemIndex(combo, text);
    if (!found)
        return false;
    // The dialog moves its focus to the combo box as Tab would; then the user opens the list,
    // goes to the item from the top and takes it with Enter.
    HWND dialog = GetParent(combo);
    HWND top = GetAncestor(combo, GA_ROOT);
    if (!PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(combo), TRUE))
        return false;
    if (!WaitUntil([&] { return FocusedControl(combo) == combo; }, kForegroundLimit,
                   kSwitchInterval) ||
        !PressAsKeyboard(top, VK_F4) || !PressAsKeyboard(top, VK_HOME))
        return false;
    for (LRESULT item = 0; item < *found; ++item) {
        if (!PressAsKeyboard(top, VK_DOWN))
            return false;
    }
    return PressAsKeyboard(top, VK_RETURN);
}

bool InvokeCommand(HWND frame, UINT id) {
    return IsWindow(frame) && PostMessageA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool AskToClose(HWND window) {
    return IsWindow(window) && PostMessageA(window, WM_CLOSE, 0, 0);
}

bool CloseFromSystemMenu(HWND window) {
    return IsWindow(window) && PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool UseScrollBar(HWND window, int bar, WORD request) {
    return IsWindow(window) &&
           PostMessageA(window, bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, request, 0);
}

bool TurnWheel(HWND window, int notches) {
    if (!IsWindow(window))
        return false;
    RECT rect{};
    GetWindowRect(window, &rect);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return PostMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), at);
}

bool MoveWindowTo(HWND window, int x, int y) {
    return IsWindow(window) &&
           SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace testdriver
