#pragma once
// The system's own text for an error code.

#include <string>

// FormatMessageA's text for the code, exactly as the system gives it, or "" when it has none.
std::string SystemMessage(unsigned long errorCode);
