#include "CodePage.h"

std::wstring ToWide(UINT codePage, const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        MultiByteToWideChar(codePage, 0, text.data(), length, &wide[0], size);
    return wide;
}

std::string AnsiToUtf8(const std::string& text) {
    return FromWide(CP_UTF8, ToWide(CP_ACP, text));
}

std::string FromWide(UINT codePage, const std::wstring& wide, DWORD flags, BOOL* usedDefault) {
    const int length = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, usedDefault);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(codePage, flags, wide.data(), length, &text[0], size, nullptr,
                            usedDefault);
    return text;
}

std::optional<std::string> FromWideExactly(UINT codePage, const std::wstring& wide) {
    if (codePage == CP_UTF8) {
        for (const wchar_t unit : wide)
            if (unit >= 0x80)
                return std::nullopt;
        return std::string(wide.begin(), wide.end());
    }
    BOOL usedDefault = FALSE;
    std::string text = FromWide(codePage, wide, WC_NO_BEST_FIT_CHARS, &usedDefault);
    if (usedDefault || (text.empty() && !wide.empty()) || ToWide(codePage, text) != wide)
        return std::nullopt;
    return text;
}
