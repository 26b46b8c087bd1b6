#include "support/core/ValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

TEST(ValueFormat, IntegersArePaddedToTheMinimumDigits) {
    EXPECT_EQ(IntToString(65536, 1), "65536");
    EXPECT_EQ(IntToString(7, 3), "007");
    EXPECT_EQ(IntToString(-7, 3), "-007");
    EXPECT_EQ(IntToString(INT32_MIN, 1), "-2147483648");
    EXPECT_EQ(UIntToString(4096, 1), "4096");
    EXPECT_EQ(UIntToString(4096, 1, true), "1000");
    EXPECT_EQ(UIntToString(0xABCDEFu, 8, true), "00abcdef");
    EXPECT_EQ(UIntToString(UINT32_MAX, 1), "4294967295");
}

TEST(ValueFormat, ZeroWithNoDigitsIsEmpty) {
    EXPECT_EQ(IntToString(0, 0), "");
    EXPECT_EQ(UIntToString(0, 0), "");
    EXPECT_EQ(IntToString(0, 1), "0");
    EXPECT_EQ(UIntToString(0, 1), "0");
}

TEST(ValueFormat, DoublesRoundToNearestAlikeInBothBuilds) {
    EXPECT_EQ(DoubleToString(1.0, 1), "1.0");
    EXPECT_EQ(DoubleToString(1.0, 0), "1");
    EXPECT_EQ(DoubleToString(2.0, 2), "2.00");
    EXPECT_EQ(DoubleToString(1.04, 1), "1.0");
    EXPECT_EQ(DoubleToString(1.05, 1), "1.1");   // 1.05 is stored a little above the half
    EXPECT_EQ(DoubleToString(0.125, 2), "0.12"); // an exact half goes to the even digit
    EXPECT_EQ(DoubleToString(2.5, 0), "2");
    EXPECT_EQ(DoubleToString(-1.25, 1), "-1.2");
    EXPECT_EQ(DoubleToString(1e20, 1), "100000000000000000000.0");
    EXPECT_EQ(DoubleToString(1e300, 0).size(), 301u);
    EXPECT_EQ(DoubleToString(INFINITY, 1), "inf");
}

TEST(ValueFormat, BitsRunFromTheLastByteAndTheHighestBit) {
    const unsigned char twoBytes[] = {0x01, 0x80};
    EXPECT_EQ(BitsToString(twoBytes, 2, true), "[16-bit] = 1000000000000001");
    const std::uint32_t word = 0x2034;
    EXPECT_EQ(BitsToString(&word, 4, true), "[32-bit] = 00000000000000000010000000110100");
    EXPECT_EQ(BitsToString(twoBytes, 0, true), "[0-bit] = ");
    EXPECT_EQ(BitsToString(twoBytes, 0, false), "");
}
