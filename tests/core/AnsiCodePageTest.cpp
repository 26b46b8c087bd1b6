// The documents' ANSI code page: Windows-1252 natively, and the system's under Wine, whose test
// prefix has Windows-1252 too, so that both are held to the same table.

#include "framework/core/AnsiCodePage.h"

#include <gtest/gtest.h>

TEST(AnsiCodePage, EveryByteReadsAsItsCharacterAndIsHeldBack) {
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const std::string one(1, static_cast<char>(byte));
        const std::u16string wide = AnsiToUnicode(one);
        ASSERT_EQ(wide.size(), 1u);
        EXPECT_EQ(UnicodeToAnsi(wide), std::optional<std::string>(one));
    }
    EXPECT_EQ(AnsiToUnicode("\x80\x81\x9f\xfc"), u"\u20ac\u0081\u0178\u00fc");
}

TEST(AnsiCodePage, HoldsOnlyWhatComesBackUnchanged) {
    const struct {
        std::u16string text;
        std::optional<std::string> held;
    } cases[] = {
        {u"", std::string()},
        {u"Gr\u00fc\u00dfe", std::string("Gr\xfc\xdf"
                                         "e")},
        {u"\u20ac\u2122\u0178", std::string("\x80\x99\x9f")},
        {u"\u03a9", std::nullopt},
        {u"\u2713", std::nullopt},
        {u"\u518d\u8d77\u52d5", std::nullopt},
        // No best fit: "A" with a macron and the full-width "a" are not "A" and "a".
        {u"\u0100", std::nullopt},
        {u"\uff41", std::nullopt},
        {u"\u221e", std::nullopt},
        // Neither half of a pair, nor the pair.
        {u"\U0001F600", std::nullopt},
        {u"x\xDC00", std::nullopt},
        // "?" itself is held; a character that would become "?" is not.
        {u"?", std::string("?")},
        {u"a?\u0394", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::vector<int>(c.text.begin(), c.text.end())));
        EXPECT_EQ(UnicodeToAnsi(c.text), c.held);
    }
}
