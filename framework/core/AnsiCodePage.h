#pragma once
// The machine's ANSI code page, the one the documents' narrow strings are in: on Windows the
// system's, elsewhere Windows-1252.

#include <optional>
#include <string>

// Narrow text in the code page as UTF-16.
std::u16string AnsiToUnicode(const std::string& text);

// The text in the code page when the code page holds it: converted there and back it is the same,
// with no character replaced by a similar-looking one or by a default. Where the code page is
// UTF-8 only ASCII counts as held, so that narrow text never carries UTF-8. Nothing otherwise.
std::optional<std::string> UnicodeToAnsi(const std::u16string& text);
