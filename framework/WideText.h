#pragma once
// UTF-16 text as the portable code holds it (std::u16string) and as the system's wide functions
// take it (wchar_t, 16 bits on Windows).

#include <string>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t holds one UTF-16 unit");

inline const wchar_t* AsWide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::wstring ToWString(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string ToU16String(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}
