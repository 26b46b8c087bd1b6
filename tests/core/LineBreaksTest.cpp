#include "framework/core/LineBreaks.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(WithCrLf, StoresEachBareLineFeedAsCrLfAndKeepsEveryOtherByte) {
    const std::tuple<std::string, char, std::string> cases[] = {
        {"", '\0', ""},
        {"one line", '\0', "one line"},
        {"a\nb", '\0', "a\r\nb"},
        {"\n\n", '\0', "\r\n\r\n"},
        {"a\r\nb\n", '\0', "a\r\nb\r\n"},
        {"lone\rcarriage return", '\0', "lone\rcarriage return"},
        {"\r\r\n", '\0', "\r\r\n"},
        // A piece that starts with the line feed of a CR LF split across two pieces.
        {"\nrest", '\r', "\nrest"},
        {"\nrest", 'x', "\r\nrest"},
        {std::string("a\0\nb", 4), '\0', std::string("a\0\r\nb", 5)},
    };
    for (const auto& [text, before, stored] : cases)
        EXPECT_EQ(WithCrLf(text, before), stored) << testing::PrintToString(text);
}

} // namespace
