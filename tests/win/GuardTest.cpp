// The barrier at the entry points: whatever is thrown stops there, is reported once with where it
// was stopped, and the operation gives its fallback result.

#include "framework/Guard.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

namespace {

std::vector<std::pair<std::string, std::string>> g_reports;

void Record(const std::string& where, const std::string& what) {
    g_reports.push_back({where, what});
}

class Guard : public testing::Test {
protected:
    Guard() {
        g_reports.clear();
        SetExceptionReporter(Record);
    }
    ~Guard() override { SetExceptionReporter(nullptr); }
};

} // namespace

TEST_F(Guard, EveryKindOfExceptionStopsAtTheBarrierAndIsReportedOnce) {
    const struct {
        void (*thrower)();
        const char* text;
    } cases[] = {
        {[] { throw std::bad_alloc(); }, "Out of memory."},
        {[] { throw CArchiveException(CArchiveException::endOfFile); }, "Unexpected end of file."},
        // The system's texts come in the ANSI code page (1252 here) and reach the reporter in
        // UTF-8.
        {[] { throw CFileException(5, "Acc\xE8s refus\xE9."); }, "Acc\u00E8s refus\u00E9."},
        {[] { throw std::runtime_error("broken"); }, "broken"},
        {[] { throw 42; }, "Unknown exception."},
    };
    for (const auto& c : cases) {
        g_reports.clear();
        const int result = Guarded("window procedure", -1, [&] {
            c.thrower();
            return 0;
        });
        EXPECT_EQ(result, -1);
        ASSERT_EQ(g_reports.size(), 1u);
        EXPECT_EQ(g_reports[0].first, "window procedure");
        EXPECT_EQ(g_reports[0].second, c.text);
    }
}

TEST_F(Guard, NothingThrownGivesTheBodysResultAndNoReport) {
    EXPECT_EQ(Guarded("dialog procedure", 0, [] { return 7; }), 7);
    EXPECT_TRUE(g_reports.empty());
    SetExceptionReporter(nullptr);
    EXPECT_EQ(Guarded("without a reporter", 5, []() -> int { throw std::bad_alloc(); }), 5);
}
