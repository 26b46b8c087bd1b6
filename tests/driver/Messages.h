#pragma once
// Messages sent to another process's windows: answered by the window's own thread, within a
// limit, so that a hung or ended program never stops the test.

#include <windows.h>

#include <optional>

namespace testdriver {

inline constexpr UINT kMessageLimitMs = 2000;

// The window's answer to message; nothing when it does not answer in time or is gone.
inline std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageLimitMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

} // namespace testdriver
