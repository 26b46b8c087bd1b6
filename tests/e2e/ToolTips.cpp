#include "tests/e2e/ToolTips.h"

#include "tests/driver/Handles.h"
#include "tests/driver/RemoteMemory.h"
#include "tests/driver/SystemText.h"
#include "tests/driver/Window.h"

#include <commctrl.h>

namespace e2e {

namespace {

constexpr UINT kAnswerLimitMs = 2000;
// Room for the longest tip text, in characters.
constexpr std::size_t kTextCapacity = 1024;

struct Owned {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedToolTip(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Owned*>(param);
    if (GetWindow(window, GW_OWNER) == search->owner &&
        testdriver::ClassOf(window) == TOOLTIPS_CLASSA) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindToolTipOf(HWND owner) {
    Owned search{owner, nullptr};
    EnumWindows(FindOwnedToolTip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<LRESULT> AskToolTip(HWND toolTip, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(toolTip, message, wParam, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

std::optional<std::vector<Tool>> ReadTools(HWND toolTip) {
    DWORD pid = 0;
    GetWindowThreadProcessId(toolTip, &pid);
    const testdriver::OwnedHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    const auto count = AskToolTip(toolTip, TTM_GETTOOLCOUNT);
    if (!process || !count)
        return std::nullopt;
    const std::size_t textOffset = sizeof(TTTOOLINFOW);
    const std::size_t textBytes = kTextCapacity * sizeof(WCHAR);
    const testdriver::RemoteMemory remote(process.Get(), textOffset + textBytes);
    if (!remote)
        return std::nullopt;

    std::vector<Tool> tools;
    for (LRESULT index = 0; index < *count; ++index) {
        // Asked in UTF-16: the ANSI form cuts every text to 80 characters.
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.lpszText = reinterpret_cast<LPWSTR>(remote.Get() + textOffset);
        const std::vector<WCHAR> empty(kTextCapacity, L'\0');
        DWORD_PTR found = 0;
        if (!remote.Write(0, &info, sizeof(info)) ||
            !remote.Write(textOffset, empty.data(), textBytes) ||
            !SendMessageTimeoutW(toolTip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(remote.Get()), SMTO_ABORTIFHUNG,
                                 kAnswerLimitMs, &found) ||
            !found)
            return std::nullopt;
        std::vector<WCHAR> text(kTextCapacity, L'\0');
        if (!remote.Read(0, &info, sizeof(info)) ||
            !remote.Read(textOffset, text.data(), textBytes - sizeof(WCHAR)))
            return std::nullopt;
        tools.push_back(
            {info.uFlags, info.hwnd, info.uId, info.hinst, testdriver::AnsiText(text.data(), -1)});
    }
    return tools;
}

} // namespace e2e
