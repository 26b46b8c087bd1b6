#include "Utf8.h"

namespace cli {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

char32_t NextCharacter(const std::string& text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    std::size_t length = 0;
    char32_t character = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, character = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, character = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, character = lead & 0x07, least = 0x10000;
    } else {
        return kReplacement;
    }
    const std::size_t end = i - 1 + length;
    if (end > text.size())
        return kReplacement;
    for (std::size_t j = i; j < end; ++j) {
        const auto byte = static_cast<unsigned char>(text[j]);
        if (!IsContinuation(byte))
            return kReplacement;
        character = character << 6 | (byte & 0x3F);
    }
    if (character < least || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        return kReplacement;
    i = end;
    return character;
}

void AppendUtf8(char32_t c, std::string& text) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | c >> 18);
        text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool Utf8ToUtf16(const std::string& utf8, std::u16string& text) {
    text.clear();
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t begin = i;
        const char32_t c = NextCharacter(utf8, i);
        // U+FFFD stands for a malformed byte only when it was not written out in its three bytes.
        if (c == kReplacement && i - begin != 3)
            return false;
        if (c < 0x10000) {
            text += static_cast<char16_t>(c);
        } else {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return true;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = kReplacement;
        AppendUtf8(c, utf8);
    }
    return utf8;
}

} // namespace cli
