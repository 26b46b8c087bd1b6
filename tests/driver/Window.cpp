#include "tests/driver/Window.h"
#include "tests/driver/Poll.h"

#include "tests/driver/Messages.h"

#include <algorithm>

namespace testdriver {

namespace {

// What a message box's controls are: its text, its icon and buttons IDOK to IDCONTINUE.
constexpr int kBoxTextId = 0xFFFF;
constexpr int kBoxIconId = 0x0440;
constexpr int kFirstBoxButton = IDOK;
constexpr int kLastBoxButton = 11; // IDCONTINUE

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    if (IsWindowVisible(window) && ProcessOf(window) == search->pid)
        search->found.push_back(window);
    return TRUE;
}

// An empty className or caption matches any.
bool Matches(HWND window, const std::string& className, const std::string& caption) {
    return (className.empty() || ClassOf(window) == className) &&
           (caption.empty() || WindowText(window) == caption);
}

bool IsBoxButton(HWND control) {
    const DWORD type = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)) & BS_TYPEMASK;
    const int id = GetDlgCtrlID(control);
    return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) && id >= kFirstBoxButton &&
           id <= kLastBoxButton;
}

// The window's text through the ANSI or the wide messages.
template <typename Char, typename Send>
std::optional<std::basic_string<Char>> Text(HWND window, Send send) {
    DWORD_PTR length = 0;
    if (!send(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageLimitMs, &length))
        return std::nullopt;
    std::vector<Char> buffer(length + 1, Char());
    DWORD_PTR copied = 0;
    if (!send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
              SMTO_ABORTIFHUNG, kMessageLimitMs, &copied))
        return std::nullopt;
    return std::basic_string<Char>(buffer.data(), std::min<std::size_t>(copied, length));
}

} // namespace

std::string ClassOf(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof(name));
    return std::string(name, length > 0 ? length : 0);
}

std::optional<std::string> TextOf(HWND window) {
    return Text<char>(window, SendMessageTimeoutA);
}

std::optional<std::wstring> WideTextOf(HWND window) {
    return Text<wchar_t>(window, SendMessageTimeoutW);
}

std::string WindowText(HWND window) {
    return TextOf(window).value_or("");
}

bool IsMessageBox(HWND window) {
    if (!IsWindow(window) || ClassOf(window) != "#32770")
        return false;
    int buttons = 0;
    int texts = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = ClassOf(child);
        const int id = GetDlgCtrlID(child);
        if (lstrcmpiA(kind.c_str(), "Button") == 0) {
            if (!IsBoxButton(child))
                return false;
            ++buttons;
        } else if (lstrcmpiA(kind.c_str(), "Static") == 0) {
            // The box's text shows "&" as it is; a dialog's unnamed label takes it as a mnemonic.
            if (id == kBoxTextId && (GetWindowLongPtrA(child, GWL_STYLE) & SS_NOPREFIX))
                ++texts;
            else if (id != kBoxIconId)
                return false;
        } else {
            // Edits, combo boxes, lists and anything else belong to other dialogs.
            return false;
        }
    }
    return buttons > 0 && texts == 1;
}

std::vector<HWND> FindWindows(DWORD pid, const std::string& className, const std::string& caption) {
    WindowSearch search{pid, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    std::vector<HWND> matching;
    for (HWND window : search.found) {
        if (Matches(window, className, caption))
            matching.push_back(window);
    }
    return matching;
}

HWND WaitForWindow(const Process& process, const std::string& className, const std::string& caption,
                   milliseconds limit) {
    return WaitForWindowWhere(
        process, [&](HWND window) { return Matches(window, className, caption); }, limit);
}

HWND WaitForWindowWhere(const Process& process, const std::function<bool(HWND)>& matches,
                        milliseconds limit) {
    return Poll(process, limit, [&]() -> HWND {
        for (HWND window : FindWindows(process.Id(), {}, {})) {
            if (matches(window))
                return window;
        }
        return nullptr;
    });
}

HWND WaitForDialog(const Process& process, const std::string& caption, milliseconds limit) {
    return WaitForWindowWhere(
        process,
        [&](HWND window) { return Matches(window, "#32770", caption) && !IsMessageBox(window); },
        limit);
}

HWND WaitForTip(const Process& process, milliseconds limit) {
    return WaitForWindow(process, "tooltips_class32", {}, limit);
}

bool WaitForText(HWND window, const std::string& text, milliseconds limit) {
    bool shown = false;
    WaitUntil(
        [&] {
            shown = TextOf(window) == text;
            return shown || !IsWindow(window);
        },
        limit);
    return shown;
}

bool WaitUntilGone(HWND window, milliseconds limit) {
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, limit);
}

} // namespace testdriver
