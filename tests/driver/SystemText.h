#pragma once
// The system's own texts, as the programs under test show them.

#include <string>

namespace testdriver {

// The system's text for an error code or HRESULT, as FormatMessageA gives it (line end included);
// empty for a code the system does not know.
std::string SystemText(unsigned long code);

} // namespace testdriver
