#include "app/core/BuildDate.h"

#include <gtest/gtest.h>

TEST(BuildDate, CompilerDatesBecomeMonthDayYear) {
    EXPECT_EQ(BuildDateText("Dec  7 2026"), "12/07/2026");
    EXPECT_EQ(BuildDateText("Jan 31 2027"), "01/31/2027");
    EXPECT_EQ(BuildDateText("Sep 10 1999"), "09/10/1999");
    EXPECT_EQ(BuildDateText(__DATE__).size(), 10u);
    // Anything else stays as it is.
    EXPECT_EQ(BuildDateText("eb  7 2026x"), "eb  7 2026x");
    EXPECT_EQ(BuildDateText("Dec 7 2026"), "Dec 7 2026");
    EXPECT_EQ(BuildDateText(""), "");
}
