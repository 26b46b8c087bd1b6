#pragma once
// How the log settings read and write as registry text, and the size rule of the log file.

#include <cstdint>
#include <string>

// "True" or "False".
std::string OutputLogToText(bool outputLog);
// Only the exact text "True" is true.
bool OutputLogFromText(const std::string& text);

// Decimal digits, at least one.
std::string MaxLogSizeToText(std::uint32_t maxLogSize);
// Base-10 conversion as the 32-bit C library does it: leading white space skipped, an optional
// sign, digits up to the first non-digit; no digits give 0, a minus sign negates modulo 2^32 and
// a value past 32 bits gives 4294967295.
std::uint32_t MaxLogSizeFromText(const std::string& text);

// "Log.txt" in the given folder, with exactly one backslash before the file name.
std::string LogPathInFolder(const std::string& folder);

// True when the file and the run's text together are larger than the limit.
bool LogFileOverLimit(std::uint64_t fileLength, std::uint64_t textLength, std::uint32_t maxLogSize);

// The size limit as the log options show it: whole kilobytes, the remainder dropped.
std::uint32_t BytesToKilobytes(std::uint32_t bytes);
// Kilobytes as the limit in bytes; a product past 32 bits gives the largest 32-bit value rather
// than wrapping round to a tiny limit.
std::uint32_t KilobytesToBytes(std::uint32_t kilobytes);
