#pragma once
// The command line as a program's entry point hands it over.

#include <string>

// The process command line without the program's name (which ends at its closing quote, or at
// the first blank or control character) and without the blanks and control characters after it.
std::string SkipProgramName(const char* commandLine);
