#include "framework/core/AnsiCodePage.h"
#include "framework/CodePage.h"

std::u16string AnsiToUnicode(const std::string& text) {
    const std::wstring wide = ToWide(CP_ACP, text);
    return std::u16string(wide.begin(), wide.end());
}

std::optional<std::string> UnicodeToAnsi(const std::u16string& text) {
    return FromWideExactly(GetACP(), std::wstring(text.begin(), text.end()));
}
