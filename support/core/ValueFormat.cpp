#include "ValueFormat.h"

#include <cstdarg>
#include <cstdio>

namespace {

std::string Format(const char* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, pattern, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0u, '\0');
    if (length > 0)
        std::vsnprintf(&text[0], text.size() + 1, pattern, args);
    va_end(args);
    return text;
}

} // namespace

std::string IntToString(std::int32_t value, int digits) {
    return Format("%.*d", digits, static_cast<int>(value));
}

std::string UIntToString(std::uint32_t value, int digits, bool hexadecimal) {
    return Format(hexadecimal ? "%.*x" : "%.*u", digits, static_cast<unsigned>(value));
}

std::string DoubleToString(double value, int decimals) {
    return Format("%.*f", decimals, value);
}

std::string BitsToString(const void* data, int count, bool header) {
    std::string text = header ? Format("[%d-bit] = ", count * 8) : std::string();
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (int i = count - 1; i >= 0; --i)
        for (unsigned mask = 0x80; mask != 0; mask >>= 1)
            text += (bytes[i] & mask) ? '1' : '0';
    return text;
}
