#include "log/core/LogSettingsText.h"

#include <gtest/gtest.h>

TEST(LogSettingsText, OnlyTheExactWordTrueSwitchesLoggingOn) {
    EXPECT_TRUE(OutputLogFromText("True"));
    for (const char* text : {"true", "TRUE", "True ", " True", "1", "", "False"})
        EXPECT_FALSE(OutputLogFromText(text)) << text;
    EXPECT_EQ(OutputLogToText(true), "True");
    EXPECT_EQ(OutputLogToText(false), "False");
}

TEST(LogSettingsText, MaxLogSizeConvertsAsTheThirtyTwoBitLibraryDoes) {
    EXPECT_EQ(MaxLogSizeFromText("65536"), 65536u);
    EXPECT_EQ(MaxLogSizeFromText("2048 bytes"), 2048u);
    EXPECT_EQ(MaxLogSizeFromText(" \t\n2048"), 2048u);
    EXPECT_EQ(MaxLogSizeFromText("-1"), 4294967295u);
    EXPECT_EQ(MaxLogSizeFromText("-2"), 4294967294u);
    EXPECT_EQ(MaxLogSizeFromText("-0"), 0u);
    EXPECT_EQ(MaxLogSizeFromText("+17"), 17u);
    EXPECT_EQ(MaxLogSizeFromText("99999999999"), 4294967295u);
    EXPECT_EQ(MaxLogSizeFromText("-99999999999"), 4294967295u);
    EXPECT_EQ(MaxLogSizeFromText("4294967295"), 4294967295u);
    EXPECT_EQ(MaxLogSizeFromText("4294967296"), 4294967295u);
    EXPECT_EQ(MaxLogSizeFromText("00000000000000000000042"), 42u);
    EXPECT_EQ(MaxLogSizeFromText("abc"), 0u);
    EXPECT_EQ(MaxLogSizeFromText("0x10"), 0u);
    EXPECT_EQ(MaxLogSizeFromText("- 5"), 0u);
    EXPECT_EQ(MaxLogSizeFromText(""), 0u);
}

TEST(LogSettingsText, MaxLogSizeIsWrittenAsPlainDigits) {
    EXPECT_EQ(MaxLogSizeToText(0), "0");
    EXPECT_EQ(MaxLogSizeToText(65536), "65536");
    EXPECT_EQ(MaxLogSizeToText(4294967295u), "4294967295");
}

TEST(LogSettingsText, LogPathHasOneBackslashBeforeTheName) {
    EXPECT_EQ(LogPathInFolder("C:\\Tools\\"), "C:\\Tools\\Log.txt");
    EXPECT_EQ(LogPathInFolder("C:\\Tools"), "C:\\Tools\\Log.txt");
    EXPECT_EQ(LogPathInFolder(""), "\\Log.txt");
}

TEST(LogSettingsText, FileIsOverTheLimitOnlyWhenTheSumExceedsIt) {
    EXPECT_FALSE(LogFileOverLimit(1000, 24, 1024));
    EXPECT_TRUE(LogFileOverLimit(1000, 25, 1024));
    EXPECT_TRUE(LogFileOverLimit(0, 1, 0));
    // Sums past 32 bits must not wrap around to a small number.
    EXPECT_TRUE(LogFileOverLimit(0xFFFFFFFFull, 2, 0xFFFFFFFFu));
    EXPECT_TRUE(LogFileOverLimit(0x100000000ull, 0, 100));
}

TEST(LogSettingsText, KilobytesShownAndStoredAsTheOptionsDoIt) {
    EXPECT_EQ(BytesToKilobytes(65536), 64u);
    EXPECT_EQ(BytesToKilobytes(1500), 1u);
    EXPECT_EQ(KilobytesToBytes(BytesToKilobytes(1500)), 1024u);
    EXPECT_EQ(KilobytesToBytes(0), 0u);
    EXPECT_EQ(KilobytesToBytes(4194303), 4294966272u);
    // Past 32 bits the limit saturates instead of wrapping round to a tiny one.
    EXPECT_EQ(KilobytesToBytes(4194304), 4294967295u);
    EXPECT_EQ(KilobytesToBytes(4294967295u), 4294967295u);
}
