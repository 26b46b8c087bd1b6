#include "tests/driver/TaskDialog.h"

#include "tests/driver/Control.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"

#include <algorithm>

namespace testdriver {

namespace {

bool IsStatic(HWND control) {
    return lstrcmpiA(ClassOf(control).c_str(), "Static") == 0;
}

bool IsPushButton(HWND control) {
    if (lstrcmpiA(ClassOf(control).c_str(), "Button") != 0)
        return false;
    const DWORD type = StyleOf(control) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool IsIcon(HWND control) {
    return (StyleOf(control) & SS_TYPEMASK) == SS_ICON;
}

// The dialog's own visible children in z-order.
std::vector<HWND> ChildrenOf(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            children.push_back(child);
    return children;
}

// The text statics from top to bottom: the content first, the footer last.
std::vector<HWND> TextStatics(HWND dialog) {
    std::vector<HWND> statics;
    for (HWND child : ChildrenOf(dialog))
        if (IsStatic(child) && !IsIcon(child))
            statics.push_back(child);
    std::stable_sort(statics.begin(), statics.end(),
                     [](HWND a, HWND b) { return ScreenRect(a).top < ScreenRect(b).top; });
    return statics;
}

} // namespace

bool IsTaskDialog(HWND window) {
    if (!IsWindow(window) || ClassOf(window) != "#32770")
        return false;
    bool anyButton = false;
    for (HWND child : ChildrenOf(window)) {
        if (IsPushButton(child))
            anyButton = true;
        else if (!IsStatic(child) || GetDlgCtrlID(child) != 0)
            return false;
    }
    return anyButton;
}

HWND WaitForTaskDialog(const Process& process, milliseconds limit) {
    return WaitForWindowWhere(process, IsTaskDialog, limit);
}

std::optional<TaskDialogContents> ReadTaskDialog(HWND dialog, milliseconds iconLimit) {
    if (!IsTaskDialog(dialog))
        return std::nullopt;
    TaskDialogContents contents;
    const auto title = TextOf(dialog);
    if (!title)
        return std::nullopt;
    contents.title = *title;
    const std::vector<HWND> statics = TextStatics(dialog);
    if (!statics.empty())
        contents.content = WindowText(statics.front());
    if (statics.size() > 1)
        contents.footer = WindowText(statics.back());
    auto buttons = ReadButtons(dialog, contents.defaultButton);
    if (!buttons)
        return std::nullopt;
    contents.buttons = std::move(*buttons);
    for (HWND child : ChildrenOf(dialog))
        if (IsStatic(child) && IsIcon(child))
            contents.icon = ReadIconControl(child, iconLimit);
    contents.topmost = (ExStyleOf(dialog) & WS_EX_TOPMOST) != 0;
    if (!IsWindow(dialog))
        return std::nullopt;
    return contents;
}

std::optional<std::string> WaitForFooterChange(HWND dialog, const std::string& previous,
                                               milliseconds limit) {
    std::optional<std::string> footer;
    WaitUntil(
        [&] {
            const std::vector<HWND> statics = TextStatics(dialog);
            if (statics.size() < 2)
                return !IsWindow(dialog);
            const std::string text = WindowText(statics.back());
            if (text != previous)
                footer = text;
            return footer.has_value();
        },
        limit, milliseconds(50));
    return footer;
}

} // namespace testdriver
