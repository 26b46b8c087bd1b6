#pragma once
// UTF-8, the text of zembra-cli's arguments and output, where the system itself does not convert.

#include <string>

namespace cli {

// The character that begins at byte i of text, and i moved past it. A byte that does not begin
// a well-formed character (overlong, a surrogate, beyond U+10FFFF, cut short) counts as one
// U+FFFD.
char32_t NextCharacter(const std::string& text, std::size_t& i);
void AppendUtf8(char32_t character, std::string& text);

// Windows-1252 text as UTF-8.
std::string Windows1252ToUtf8(const std::string& text);
// UTF-8 text as Windows-1252; false, with failed naming the first character the code page lacks,
// when there is one.
bool Utf8ToWindows1252(const std::string& utf8, std::string& text, char32_t& failed);

} // namespace cli
