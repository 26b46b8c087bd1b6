#include "VersionText.h"

#include "support/core/ValueFormat.h"

namespace {

// Decimals with which a version is always written.
constexpr int kVersionDecimals = 1;

} // namespace

std::string VersionText(double version) {
    return DoubleToString(version, kVersionDecimals);
}
