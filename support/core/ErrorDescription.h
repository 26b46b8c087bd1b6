#pragma once
// Readable text of a framework exception, for the programs' error messages. The system's text for
// an error code is SystemMessage (framework/SystemMessage.h).

#include <string>

class CException;

// The exception's own message, at most maxChars - 1 characters, or
// "Could not retrieve error description." when it has none.
std::string GetErrorDescription(const CException& e, unsigned maxChars = 255);
