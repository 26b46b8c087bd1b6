#pragma once
// The date a program was built, as the About dialog shows it.

#include <cstdint>
#include <string>

// The calendar date (UTC) of a time in seconds since 1970, as mm/dd/yyyy ("12/07/2026"); the
// linker stamps the program with that time when it builds it.
std::string BuildDateText(std::uint32_t secondsSince1970);
