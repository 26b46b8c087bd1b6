#include "app/core/BuildDate.h"

#include <gtest/gtest.h>

TEST(BuildDate, LinkTimesBecomeMonthDayYear) {
    EXPECT_EQ(BuildDateText(0), "01/01/1970");
    EXPECT_EQ(BuildDateText(86399), "01/01/1970");
    EXPECT_EQ(BuildDateText(86400), "01/02/1970");
    EXPECT_EQ(BuildDateText(951782400), "02/29/2000");  // a leap day of a 400-year leap year
    EXPECT_EQ(BuildDateText(1803772800), "02/28/2027"); // a year without one goes on
    EXPECT_EQ(BuildDateText(1803859200), "03/01/2027");
    EXPECT_EQ(BuildDateText(1796601600), "12/07/2026");
    EXPECT_EQ(BuildDateText(1798761599), "12/31/2026");
    EXPECT_EQ(BuildDateText(4294967295u), "02/07/2106");
}
