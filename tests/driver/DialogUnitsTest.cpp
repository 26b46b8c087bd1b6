// Template rectangles in dialog units and the pixels the dialog manager gives them: position and
// size are mapped separately, so a control's right edge is not simply its mapped right edge.

#include "tests/driver/Control.h"
#include "tests/driver/core/NamedCase.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace testdriver;

namespace {

struct Placement : testdriver::NamedCase {
    DialogBaseUnits base;
    RECT units;  // left, top, right, bottom as the template gives them
    RECT pixels; // where the control lands
};

const Placement kPlacements[] = {
    // Half pixels in the size: the width rounds up on its own.
    {"HalfPixelWidth", {6, 12}, {75, 45, 110, 57}, {113, 68, 166, 86}},
    {"HalfPixelEverywhere", {6, 12}, {5, 5, 180, 65}, {8, 8, 271, 98}},
    {"WholePixels", {6, 12}, {10, 16, 50, 32}, {15, 24, 75, 48}},
    {"OtherFont", {7, 13}, {35, 5, 130, 13}, {61, 8, 227, 21}},
};

class ControlPlacement : public testing::TestWithParam<Placement> {};

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_P(ControlPlacement, MapsBothWays) {
    const Placement& c = GetParam();
    EXPECT_TRUE(Same(ControlUnitsToPixels(c.units, c.base), c.pixels));
    const auto units = ControlPixelsToUnits(c.pixels, c.base);
    ASSERT_TRUE(units);
    EXPECT_TRUE(Same(*units, c.units));
}

INSTANTIATE_TEST_SUITE_P(DialogUnits, ControlPlacement, testing::ValuesIn(kPlacements),
                         testdriver::CaseName());

TEST(ControlPlacement, PixelsNoWholeUnitsGiveNothing) {
    // 7 pixels at 6 per 4 units is 4.67 units.
    EXPECT_FALSE(ControlPixelsToUnits({0, 0, 7, 12}, {6, 12}));
    EXPECT_FALSE(ControlPixelsToUnits({0, 0, 6, 12}, {0, 12}));
}

} // namespace
