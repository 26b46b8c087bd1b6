#include "framework/core/AnsiCodePage.h"
#include "framework/core/Windows1252.h"

// Where there is no ANSI code page, Windows-1252 stands in. No half of a surrogate pair is one of
// its characters.
std::u16string AnsiToUnicode(const std::string& text) {
    std::u16string wide;
    wide.reserve(text.size());
    for (const char byte : text)
        wide += static_cast<char16_t>(Windows1252ToUnicode(static_cast<unsigned char>(byte)));
    return wide;
}

std::optional<std::string> UnicodeToAnsi(const std::u16string& text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (const char16_t unit : text) {
        const std::optional<unsigned char> byte = UnicodeToWindows1252(unit);
        if (!byte)
            return std::nullopt;
        narrow += static_cast<char>(*byte);
    }
    return narrow;
}
