#include "VersionText.h"

#include "support/core/ProductInfo.h"
#include "support/core/ValueFormat.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Decimals with which a version is always written.
constexpr int kVersionDecimals = 1;

} // namespace

std::string VersionText(double version) {
    return DoubleToString(version, kVersionDecimals);
}

std::string ProductVersionText() {
    return VersionText(product::kVersion);
}

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
