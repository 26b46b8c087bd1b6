#include "framework/core/Archive.h"
#include "framework/core/Windows1252.h"

// Where there is no ANSI code page, Windows-1252 stands in: a character it lacks becomes '?', and
// so does half of a surrogate pair (no character of a pair is in the code page).
std::string WideToAnsi(const std::u16string& wide) {
    std::string text;
    text.reserve(wide.size());
    std::size_t i = 0;
    while (i < wide.size()) {
        const char16_t unit = wide[i++];
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i < wide.size() &&
                          wide[i] >= 0xDC00 && wide[i] <= 0xDFFF;
        if (pair)
            ++i;
        const std::optional<unsigned char> byte = pair ? std::nullopt : UnicodeToWindows1252(unit);
        text += byte ? static_cast<char>(*byte) : '?';
    }
    return text;
}
