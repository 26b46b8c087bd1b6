#include "tests/driver/Box.h"
#include "tests/driver/Control.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"

#include <algorithm>
#include <iterator>

namespace testdriver {

namespace {

constexpr int kTextControlId = 0xFFFF;

// The visible buttons of the dialog, from left to right (top to bottom where they share a column).
std::vector<HWND> ButtonsOf(HWND dialog) {
    std::vector<HWND> buttons;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && lstrcmpiA(ClassOf(child).c_str(), "Button") == 0)
            buttons.push_back(child);
    }
    std::stable_sort(buttons.begin(), buttons.end(), [](HWND a, HWND b) {
        const RECT ra = ScreenRect(a), rb = ScreenRect(b);
        return ra.left != rb.left ? ra.left < rb.left : ra.top < rb.top;
    });
    return buttons;
}

bool ClickBoxButton(HWND box, HWND button) {
    if (!button || !IsWindowEnabled(button))
        return false;
    // WM_COMMAND BN_CLICKED is what the button sends its dialog when clicked; posting it does not
    // depend on which window is active and never blocks on the program.
    const int id = GetDlgCtrlID(button);
    return PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != FALSE;
}

} // namespace

std::string WithoutMnemonics(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&')
                ++i;
            else
                continue;
        }
        shown += text[i];
    }
    return shown;
}

std::vector<HWND> VisibleWindows(DWORD pid) {
    return FindWindows(pid, {}, {});
}

std::vector<HWND> VisibleBoxes(DWORD pid) {
    std::vector<HWND> boxes = FindWindows(pid, "#32770", {});
    boxes.erase(std::remove_if(boxes.begin(), boxes.end(),
                               [](HWND window) { return !IsMessageBox(window); }),
                boxes.end());
    return boxes;
}

HWND WaitForBox(const Process& process, milliseconds limit) {
    return WaitForWindowWhere(process, IsMessageBox, limit);
}

HWND WaitForWindow(const Process& process, milliseconds limit) {
    return WaitForWindow(process, {}, {}, limit);
}

HWND WaitForNextBox(const Process& process, HWND previous, milliseconds limit) {
    return WaitForWindowWhere(
        process, [&](HWND window) { return window != previous && IsMessageBox(window); }, limit);
}

bool WaitUntilNoBox(const Process& process, milliseconds limit) {
    return WaitUntil([&] { return VisibleBoxes(process.Id()).empty(); }, limit);
}

const char* ToString(BoxIcon icon) {
    static const char* const kNames[] = {"None",    "Error",       "Question",
                                         "Warning", "Information", "Unknown"};
    const auto index = static_cast<std::size_t>(icon);
    return index < std::size(kNames) ? kNames[index] : "Unknown";
}

std::ostream& operator<<(std::ostream& out, BoxIcon icon) {
    return out << ToString(icon);
}

std::vector<std::string> ButtonTextsOf(const std::vector<BoxButton>& buttons) {
    std::vector<std::string> texts;
    for (const auto& button : buttons)
        texts.push_back(button.text);
    return texts;
}

std::vector<int> ButtonIdsOf(const std::vector<BoxButton>& buttons) {
    std::vector<int> ids;
    for (const auto& button : buttons)
        ids.push_back(button.id);
    return ids;
}

std::optional<std::vector<BoxButton>> ReadButtons(HWND dialog, std::optional<int>& defaultButton) {
    std::vector<BoxButton> read;
    for (HWND button : ButtonsOf(dialog)) {
        const auto raw = TextOf(button);
        if (!raw)
            return std::nullopt;
        const int id = GetDlgCtrlID(button);
        read.push_back({id, WithoutMnemonics(*raw), *raw});
        if ((StyleOf(button) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            defaultButton = id;
    }
    return read;
}

std::optional<BoxContents> ReadBox(HWND box, milliseconds iconLimit) {
    if (!IsMessageBox(box))
        return std::nullopt;
    BoxContents contents;
    // Both forms of each text; false when the window does not answer.
    const auto read = [](HWND window, std::string& text, std::wstring& wide) {
        const auto narrow = TextOf(window);
        const auto wideText = WideTextOf(window);
        text = narrow.value_or("");
        wide = wideText.value_or(L"");
        return narrow && wideText;
    };
    HWND textControl = GetDlgItem(box, kTextControlId);
    auto buttons = ReadButtons(box, contents.defaultButton);
    if (!read(box, contents.caption, contents.wideCaption) ||
        (textControl && !read(textControl, contents.text, contents.wideText)) || !buttons)
        return std::nullopt;
    contents.buttons = std::move(*buttons);
    contents.topmost = (ExStyleOf(box) & WS_EX_TOPMOST) != 0;
    contents.owner = GetWindow(box, GW_OWNER);
    contents.icon = ReadBoxIcon(box, iconLimit);
    // A box that went away while being read may have given empty or partial answers.
    if (!IsWindow(box))
        return std::nullopt;
    return contents;
}

bool PressButton(HWND box, int id) {
    for (HWND button : ButtonsOf(box)) {
        if (GetDlgCtrlID(button) == id)
            return ClickBoxButton(box, button);
    }
    return false;
}

bool PressButtonWithText(HWND box, const std::string& text) {
    for (HWND button : ButtonsOf(box)) {
        const auto raw = TextOf(button);
        if (raw && (*raw == text || WithoutMnemonics(*raw) == text))
            return ClickBoxButton(box, button);
    }
    return false;
}

bool SendKey(HWND box, WORD virtualKey) {
    // The key goes where the program's keyboard focus is, as a typed key would; the dialog's
    // message loop turns it into the box's own action (Esc cancels, Enter presses the default).
    return PressKey(box, virtualKey);
}

WatchedRun WatchUntilTreeEnds(Process& process, milliseconds limit) {
    WatchedRun run;
    std::vector<HWND> seen;
    const auto note = [&](DWORD pid) {
        for (HWND window : VisibleWindows(pid)) {
            if (std::find(seen.begin(), seen.end(), window) != seen.end())
                continue;
            seen.push_back(window);
            run.windows.push_back(ClassOf(window) + " \"" + WindowText(window) + "\"");
        }
    };
    run.ended = WaitUntil(
        [&] {
            note(process.Id());
            for (DWORD pid : process.StartedProcessIds())
                note(pid);
            return process.WaitForProcessTree(milliseconds(0));
        },
        limit);
    return run;
}

} // namespace testdriver
