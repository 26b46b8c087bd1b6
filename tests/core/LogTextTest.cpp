#include "log/core/LogText.h"

#include <gtest/gtest.h>

namespace {

std::time_t g_now;

std::time_t FakeClock() {
    return g_now;
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

// Exposes the end-of-run steps that the log file output performs.
class TestLog : public LogText {
public:
    TestLog() : LogText(FakeClock) {}
    using LogText::AppendEndLines;
    using LogText::MarkWritten;
};

} // namespace

TEST(LogText, HeaderEntriesAndEndLinesHaveTheirFormats) {
    g_now = LocalTime(2007, 2, 14, 13, 5, 9);
    TestLog log;
    log.Append("CZembra object being created.");
    g_now += 31;
    log.Append("later");
    log.AppendEndLines();
    EXPECT_EQ(log.GetText(), "[Zembra version 1.0 started at 02/14/2007 13:05:09]\n"
                             "13:05:09-> CZembra object being created.\n"
                             "13:05:40-> later\n"
                             "[Program ended at 02/14/2007 13:05:40]\n"
                             "[Program run-time 00:00:31]\n");
}

TEST(LogText, LineFeedsAreEscapedSoOneAppendIsOneLine) {
    g_now = LocalTime(2020, 1, 2, 3, 4, 5);
    TestLog log;
    const std::size_t headerLength = log.GetText().size();
    log.Append("Error:\nInvalid list box entry entered.\n");
    log.AppendRaw("a\r\nb");
    EXPECT_EQ(log.GetText().substr(headerLength),
              "03:04:05-> Error:\\nInvalid list box entry entered.\\n\n"
              "a\r\\nb\n");
}

TEST(LogText, RunTimeDropsWholeDays) {
    g_now = LocalTime(2020, 6, 1, 8, 0, 0);
    TestLog log;
    g_now += 25 * 3600;
    EXPECT_EQ(log.GetRunTime(), "01:00:00");
    g_now += 23 * 3600 + 59 * 60 + 59 - 3600;
    EXPECT_EQ(log.GetRunTime(), "23:59:59");
}

TEST(LogText, WrittenLogIsEmptied) {
    g_now = LocalTime(2020, 6, 1, 8, 0, 0);
    TestLog log;
    EXPECT_FALSE(log.IsWritten());
    log.MarkWritten();
    EXPECT_TRUE(log.IsWritten());
    EXPECT_EQ(log.GetText(), "");
    log.Append("after");
    EXPECT_EQ(log.GetText(), "08:00:00-> after\n");
}
