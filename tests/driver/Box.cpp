#include "tests/driver/Box.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"

#include <algorithm>

namespace testdriver {

namespace {

constexpr int kTextControlId = 0xFFFF;

bool IsButtonClass(HWND window) {
    return lstrcmpiA(ClassOf(window).c_str(), "Button") == 0;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

bool IsDefaultPushButton(HWND button) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(button, GWL_STYLE));
    return (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

// The visible buttons of the box, from left to right (top to bottom where they share a column).
std::vector<HWND> ButtonsOf(HWND box) {
    std::vector<HWND> children;
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::pair<RECT, HWND>> buttons;
    for (HWND child : children) {
        if (GetParent(child) != box || !IsWindowVisible(child) || !IsButtonClass(child))
            continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        buttons.emplace_back(rect, child);
    }
    std::stable_sort(buttons.begin(), buttons.end(), [](const auto& a, const auto& b) {
        return a.first.left != b.first.left ? a.first.left < b.first.left
                                            : a.first.top < b.first.top;
    });
    std::vector<HWND> ordered;
    for (const auto& button : buttons)
        ordered.push_back(button.second);
    return ordered;
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
    return Poll(process, limit, [&]() -> HWND {
        const auto boxes = VisibleBoxes(process.Id());
        return boxes.empty() ? nullptr : boxes.front();
    });
}

HWND WaitForWindow(const Process& process, milliseconds limit) {
    return Poll(process, limit, [&]() -> HWND {
        const auto windows = VisibleWindows(process.Id());
        return windows.empty() ? nullptr : windows.front();
    });
}

HWND WaitForNextBox(const Process& process, HWND previous, milliseconds limit) {
    return Poll(process, limit, [&]() -> HWND {
        for (HWND box : VisibleBoxes(process.Id())) {
            if (box != previous)
                return box;
        }
        return nullptr;
    });
}

bool WaitUntilNoBox(const Process& process, milliseconds limit) {
    return WaitUntil([&] { return VisibleBoxes(process.Id()).empty(); }, limit);
}

const char* ToString(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::None:
        return "None";
    case BoxIcon::Error:
        return "Error";
    case BoxIcon::Question:
        return "Question";
    case BoxIcon::Warning:
        return "Warning";
    case BoxIcon::Information:
        return "Information";
    case BoxIcon::Unknown:
        return "Unknown";
    }
    return "Unknown";
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

std::optional<BoxContents> ReadBox(HWND box, milliseconds iconLimit) {
    if (!IsMessageBox(box))
        return std::nullopt;
    BoxContents contents;
    const auto caption = TextOf(box);
    const auto wideCaption = WideTextOf(box);
    if (!caption || !wideCaption)
        return std::nullopt;
    contents.caption = *caption;
    contents.wideCaption = *wideCaption;
    if (HWND textControl = GetDlgItem(box, kTextControlId)) {
        const auto text = TextOf(textControl);
        const auto wideText = WideTextOf(textControl);
        if (!text || !wideText)
            return std::nullopt;
        contents.text = *text;
        contents.wideText = *wideText;
    }
    for (HWND button : ButtonsOf(box)) {
        const auto raw = TextOf(button);
        if (!raw)
            return std::nullopt;
        const int id = GetDlgCtrlID(button);
        contents.buttons.push_back({id, WithoutMnemonics(*raw), *raw});
        if (IsDefaultPushButton(button))
            contents.defaultButton = id;
    }
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(box, GWL_EXSTYLE));
    contents.topmost = (exStyle & WS_EX_TOPMOST) != 0;
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
