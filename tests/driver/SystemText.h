#pragma once
// The system's own texts, as the programs under test show them.

#include <string>

namespace testdriver {

// The system's text for an error code or HRESULT, as FormatMessageA gives it (line end included);
// empty for a code the system does not know.
std::string SystemText(unsigned long code);
// length UTF-16 units of text (up to its NUL when length is -1) in the ANSI code page, as the
// programs' narrow functions give them.
std::string AnsiText(const wchar_t* text, int length);

} // namespace testdriver
