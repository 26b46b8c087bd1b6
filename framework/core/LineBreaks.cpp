#include "LineBreaks.h"

std::string WithCrLf(const std::string& text, char before) {
    std::string result;
    result.reserve(text.size() + text.size() / 16 + 2);
    for (const char c : text) {
        if (c == '\n' && before != '\r')
            result += '\r';
        result += c;
        before = c;
    }
    return result;
}
