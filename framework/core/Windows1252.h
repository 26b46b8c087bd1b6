#pragma once
// Windows-1252, the Western code page: the documents' code page where the system has no ANSI
// code page of its own.

#include <optional>

// The character a byte stands for. The five bytes the code page leaves free stand for the control
// characters of the same number, as Windows reads them.
char32_t Windows1252ToUnicode(unsigned char byte);
// The byte that stands for a character; nothing when the code page has none.
std::optional<unsigned char> UnicodeToWindows1252(char32_t character);
