// Versions as text: as the product writes them (one decimal) and exactly.

#include "support/core/VersionText.h"
#include "support/core/ProductInfo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

TEST(VersionText, HasExactlyOneDecimal) {
    const std::pair<double, const char*> cases[] = {{1.0, "1.0"}, {1.04, "1.0"}, {2.0, "2.0"},
                                                    {0.0, "0.0"}, {2.5, "2.5"},  {-1.25, "-1.2"}};
    for (const auto& [version, expected] : cases)
        EXPECT_EQ(VersionText(version), expected) << version;
    EXPECT_EQ(ProductVersionText(), VersionText(product::kVersion));
    EXPECT_EQ(ProductVersionText(), "1.0");
}

TEST(ExactVersionText, IsTheShortestTextThatReadsBackWithAtLeastOneDecimal) {
    const std::pair<double, const char*> cases[] = {
        {1.0, "1.0"},      {1.04, "1.04"},    {2.5, "2.5"},
        {0.0, "0.0"},      {-1.0, "-1.0"},    {1.0000001, "1.0000001"},
        {1e300, "1e+300"}, {INFINITY, "inf"}, {1234567.0, "1234567.0"}};
    for (const auto& [version, expected] : cases)
        EXPECT_EQ(ExactVersionText(version), expected) << version;
}
