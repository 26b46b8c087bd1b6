#pragma once
// The system's message box with the style word unchanged, which a timer of its own thread may end.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// The box's result, or 32000 once timeoutSeconds have passed with the box still open; 0, with the
// system's error in error, when no box could be shown or no timer set.
int ShowStandardBox(HWND owner, const std::wstring& caption, const std::wstring& text,
                    std::uint32_t style, std::optional<std::uint32_t> timeoutSeconds,
                    unsigned long& error);
