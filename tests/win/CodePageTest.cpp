// What a code page holds, as the system converts: the narrow record's test on the machines of
// other scripts, whose ANSI code page the test prefix does not have.

#include "framework/CodePage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

TEST(CodePage, HoldsOnlyTextThatComesBackUnchanged) {
    const struct {
        UINT codePage;
        std::wstring text;
        std::optional<std::string> held;
    } cases[] = {
        {1252, L"Gr\u00fc\u00dfe",
         std::string("Gr\xfc\xdf"
                     "e")},
        {1252, L"\u0100", std::nullopt},
        {1252, L"\u03a9", std::nullopt},
        {1253, L"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1", std::string("\xc5\xeb\xeb\xdc\xe4\xe1")},
        // A best fit would give "u".
        {1253, L"\u00fc", std::nullopt},
        {932, L"\u518d\u8d77\u52d5", std::string("\x8d\xc4\x8b\x4e\x93\xae")},
        {932, L"\u518d\u8d77\u52d5 \u2713", std::nullopt},
        {1251, L"\u041f\u0430\u043f\u043a\u0430", std::string("\xcf\xe0\xef\xea\xe0")},
        // On a UTF-8 code page only ASCII counts, so that narrow text never carries UTF-8.
        {CP_UTF8, L"Backup 1.0", std::string("Backup 1.0")},
        {CP_UTF8, L"Gr\u00fc\u00dfe", std::nullopt},
        {CP_UTF8, L"", std::string()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        EXPECT_EQ(FromWideExactly(c.codePage, c.text), c.held);
    }
}
