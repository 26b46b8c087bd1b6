#include "LogFileText.h"

#include "framework/core/AnsiCodePage.h"

#include <cstdio>

namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendCodePointName(char32_t codePoint, std::string& out) {
    char name[16];
    std::snprintf(name, sizeof name, "<U+%04X>", static_cast<unsigned>(codePoint));
    out += name;
}

} // namespace

std::string LogFileText(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        // ASCII is the same in every ANSI code page.
        if (unit < 0x80) {
            out += static_cast<char>(unit);
            continue;
        }
        std::u16string character(1, unit);
        char32_t codePoint = unit;
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            character += text[++i];
            codePoint = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                        (static_cast<char32_t>(character[1]) - 0xDC00);
        }
        if (const std::optional<std::string> held = UnicodeToAnsi(character))
            out += *held;
        else
            AppendCodePointName(codePoint, out);
    }
    return out;
}
