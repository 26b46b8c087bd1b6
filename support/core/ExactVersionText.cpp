// Apart from VersionText.cpp, so that only the programs which write a version exactly carry the C
// library's number reader.
#include "VersionText.h"

#include <cstdio>
#include <cstdlib>

std::string ExactVersionText(double version) {
    char text[32];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, version);
        if (std::strtod(text, nullptr) == version)
            break;
    }
    std::string result = text;
    if (result.find_first_of(".eEnN") == std::string::npos)
        result += ".0";
    return result;
}
