#include "BuildDate.h"

#include <cctype>
#include <cstdio>
#include <cstring>

std::string BuildDateText(const std::string& compilerDate) {
    static const char* const kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
    if (compilerDate.size() != 11 || compilerDate[3] != ' ' || compilerDate[6] != ' ')
        return compilerDate;
    const char* found = std::strstr(kMonths, compilerDate.substr(0, 3).c_str());
    if (found == nullptr || (found - kMonths) % 3 != 0)
        return compilerDate;
    const int month = static_cast<int>(found - kMonths) / 3 + 1;
    const char tens = compilerDate[4] == ' ' ? '0' : compilerDate[4];
    const char ones = compilerDate[5];
    if (!std::isdigit(static_cast<unsigned char>(tens)) ||
        !std::isdigit(static_cast<unsigned char>(ones)))
        return compilerDate;
    for (std::size_t i = 7; i < 11; ++i)
        if (!std::isdigit(static_cast<unsigned char>(compilerDate[i])))
            return compilerDate;
    char text[16];
    std::snprintf(text, sizeof(text), "%02d/%c%c/%s", month, tens, ones,
                  compilerDate.substr(7).c_str());
    return text;
}
