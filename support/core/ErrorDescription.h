#pragma once
// Readable text of a failure, for the programs' error messages.

#include <string>

class CException;

// The exception's own message, at most maxChars - 1 characters, or
// "Could not retrieve error description." when it has none.
std::string GetErrorDescription(const CException& e, unsigned maxChars = 255);

// The system's message for an error code, exactly as the system gives it (trailing CR LF kept),
// or an empty string when it has none. Windows only.
std::string GetErrorDescription(unsigned long errorCode);
