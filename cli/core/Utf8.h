#pragma once
// UTF-8, the text of zembra-cli's arguments and output, where the system itself does not convert.

#include <string>

namespace cli {

// The character that begins at byte i of text, and i moved past it. A byte that does not begin
// a well-formed character (overlong, a surrogate, beyond U+10FFFF, cut short) counts as one
// U+FFFD.
char32_t NextCharacter(const std::string& text, std::size_t& i);
void AppendUtf8(char32_t character, std::string& text);

// Well-formed UTF-8 as UTF-16; false when a byte does not begin a well-formed character.
bool Utf8ToUtf16(const std::string& utf8, std::u16string& text);
// UTF-16 as UTF-8; half of a surrogate pair on its own becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

} // namespace cli
