#pragma once
// The log's text as its file keeps it: in the machine's ANSI code page, as it always was.

#include <string>

// The text in the ANSI code page (framework/core/AnsiCodePage.h), each character that the code
// page cannot hold written as "<U+" + its code point in upper-case hexadecimal, at least four
// digits + ">": "<U+2713>" for a check mark, "<U+1F600>" for a character beyond the first plane,
// whose surrogate pair is one character. A lone half of a pair is written as itself, "<U+D800>".
std::string LogFileText(const std::u16string& text);
