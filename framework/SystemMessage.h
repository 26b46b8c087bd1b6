#pragma once
// The system's own text for an error code.

#include <string>

// FormatMessageA's text for the code, exactly as the system gives it, or "" when it has none.
std::string SystemMessage(unsigned long errorCode);

// The same text without the line break and blanks it ends with, for a message that names the
// failure in one line.
std::string TrimmedSystemMessage(unsigned long errorCode);
