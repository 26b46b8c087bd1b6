// The log file's text: the ANSI code page (Windows-1252 natively and in the Wine prefix), each
// character it cannot hold named by its code point.

#include "log/core/LogFileText.h"

#include <gtest/gtest.h>

TEST(LogFileText, KeepsTheCodePageAndNamesEveryOtherCharacter) {
    const struct {
        std::u16string text;
        std::string file;
    } cases[] = {
        {u"", ""},
        {u"12:00:00-> CZembra object created.\n", "12:00:00-> CZembra object created.\n"},
        // What the code page holds keeps its bytes, as it always did.
        {u"C:\\Gr\u00fc\u00dfe.zembra", "C:\\Gr\xfc\xdf"
                                        "e.zembra"},
        {u"\u20ac\u2122", "\x80\x99"},
        // The rest by name, one name per character, at least four digits.
        {u"\u2713", "<U+2713>"},
        {u"\u518d\u8d77\u52d5 \u2713", "<U+518D><U+8D77><U+52D5> <U+2713>"},
        {u"\u0395\u03bb", "<U+0395><U+03BB>"},
        {u"\u0100", "<U+0100>"},
        {u"\u041a\u0438", "<U+041A><U+0438>"},
        // A surrogate pair is one character, beyond the first plane.
        {u"a\U0001F600b", "a<U+1F600>b"},
        {u"\U0010FFFF", "<U+10FFFF>"},
        {u"\U00010000", "<U+10000>"},
        // A half of a pair on its own, in either order.
        {u"\xD83D", "<U+D83D>"},
        {u"\xDE00\xD83D", "<U+DE00><U+D83D>"},
        {u"\xD83Dx", "<U+D83D>x"},
        // Line breaks and the name's own characters pass unchanged.
        {u"a\r\nb<U+0041>", "a\r\nb<U+0041>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(LogFileText(c.text), c.file);
    }
}
