#include "LogSettingsText.h"

#include "framework/core/PathText.h"
#include "support/core/ValueFormat.h"

std::string OutputLogToText(bool outputLog) {
    return outputLog ? "True" : "False";
}

bool OutputLogFromText(const std::string& text) {
    return text == "True";
}

std::string MaxLogSizeToText(std::uint32_t maxLogSize) {
    return UIntToString(maxLogSize, 1);
}

namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

std::uint32_t MaxLogSizeFromText(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > UINT32_MAX) {
            overflow = true;
            value = UINT32_MAX;
        }
    }
    if (overflow)
        return UINT32_MAX;
    const auto magnitude = static_cast<std::uint32_t>(value);
    return negative ? 0u - magnitude : magnitude;
}

std::string LogPathInFolder(const std::string& folder) {
    return (folder.empty() ? std::string("\\") : WithTrailingBackslash(folder)) + "Log.txt";
}

bool LogFileOverLimit(std::uint64_t fileLength, std::uint64_t textLength,
                      std::uint32_t maxLogSize) {
    return fileLength + textLength > maxLogSize;
}

std::uint32_t BytesToKilobytes(std::uint32_t bytes) {
    return bytes >> 10;
}

std::uint32_t KilobytesToBytes(std::uint32_t kilobytes) {
    const std::uint64_t bytes = static_cast<std::uint64_t>(kilobytes) << 10;
    return bytes > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(bytes);
}
