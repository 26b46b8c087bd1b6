#pragma once
// Numbers and raw bytes as text, for log lines, messages, registry values and version strings.

#include <cstdint>
#include <string>

// Decimal, at least `digits` digits, zero-filled; minus sign for negative values.
std::string IntToString(std::int32_t value, int digits);
// Decimal, or lower-case hexadecimal without prefix, at least `digits` digits, zero-filled.
std::string UIntToString(std::uint32_t value, int digits, bool hexadecimal = false);
// Fixed point with exactly `decimals` digits after the point, rounded to nearest.
std::string DoubleToString(double value, int decimals);
// The bits of `count` bytes, last byte first and most significant bit first,
// after an optional "[N-bit] = " header.
std::string BitsToString(const void* data, int count, bool header);
