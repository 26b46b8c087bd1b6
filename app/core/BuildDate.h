#pragma once
// The date a program was built, as the About dialog shows it.

#include <string>

// The compiler's date ("Dec  7 2026", as __DATE__ gives it) as mm/dd/yyyy ("12/07/2026");
// the text unchanged when it is not in that form.
std::string BuildDateText(const std::string& compilerDate);
