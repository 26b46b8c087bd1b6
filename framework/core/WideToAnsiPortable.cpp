#include "framework/core/Archive.h"

// Where there is no ANSI code page, Latin-1 stands in: units above 0xFF become '?'.
std::string WideToAnsi(const std::u16string& wide) {
    std::string text;
    text.reserve(wide.size());
    for (char16_t unit : wide)
        text += unit <= 0xFF ? static_cast<char>(unit) : '?';
    return text;
}
