#include "box/core/BoxPlan.h"

#include <gtest/gtest.h>

namespace {

MessageBoxDesign Design(std::uint32_t style, BoxExtras extras) {
    MessageBoxDesign design;
    design.SetStyle(style);
    design.SetExtras(extras);
    return design;
}

const BoxExtras kWords2 = {{u"Restart now", u"Later"}, std::nullopt, {}};
const BoxExtras kWords3 = {{u"A", u"B", u"C"}, std::nullopt, {}};
const BoxExtras kCountdownOnly = {{}, Countdown{3, 7}, {}};

} // namespace

TEST(BoxPlan, OnlyANamedStyleWithExtrasBecomesATaskDialog) {
    struct Case {
        const char* name;
        std::uint32_t style;
        BoxExtras extras;
        bool taskDialog;
    } cases[] = {
        {"no extras", 0x2024, {}, false},
        {"kept fields only", 0x2024, {{}, std::nullopt, {{9, {1}}}}, false},
        {"words", 0x2024, kWords2, true},
        {"countdown", 0x2024, kCountdownOnly, true},
        {"button set 6", 0x2026, kWords2, false},
        {"icon 0x50", 0x2054, kWords2, false},
        {"default 0x300", 0x2304, kWords2, false},
        {"no priority bit", 0x0004, kWords2, false},
        {"both priority bits", 0x3004, kWords2, false},
        {"a bit outside the groups (topmost)", 0x42004, kWords2, false},
        {"System priority", 0x1004, kWords2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlanBox(Design(c.style, c.extras)).taskDialog, c.taskDialog);
    }
}

TEST(BoxPlan, ButtonsKeepTheSetsNumbersOrderAndEscape) {
    struct Case {
        std::uint32_t style;
        BoxExtras extras;
        std::vector<std::uint32_t> numbers;
        std::vector<std::u16string> texts;
        std::uint32_t defaultButton;
        std::optional<std::uint32_t> escape;
    } cases[] = {
        {0x2000, {{u"Fine"}, std::nullopt, {}}, {1}, {u"Fine"}, 1, 1},
        {0x2001, kCountdownOnly, {1, 2}, {u"OK", u"Cancel"}, 1, 2},
        {0x2102, kWords3, {3, 4, 5}, {u"A", u"B", u"C"}, 4, std::nullopt},
        {0x2203, kWords3, {6, 7, 2}, {u"A", u"B", u"C"}, 2, 2},
        {0x2104, kWords2, {6, 7}, {u"Restart now", u"Later"}, 7, std::nullopt},
        {0x2204, kWords2, {6, 7}, {u"Restart now", u"Later"}, 6, std::nullopt}, // no third button
        {0x2005, kWords2, {4, 2}, {u"Restart now", u"Later"}, 4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        const BoxPlan plan = PlanBox(Design(c.style, c.extras));
        ASSERT_TRUE(plan.taskDialog);
        std::vector<std::uint32_t> numbers;
        std::vector<std::u16string> texts;
        for (const PlannedButton& button : plan.buttons) {
            numbers.push_back(button.number);
            texts.push_back(button.text);
        }
        EXPECT_EQ(numbers, c.numbers);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(plan.defaultButton, c.defaultButton);
        EXPECT_EQ(plan.escapeAnswer, c.escape);
    }
}

TEST(BoxPlan, IconPriorityAndCountdown) {
    const BoxPlan plan = PlanBox(Design(0x1034, kCountdownOnly));
    EXPECT_EQ(plan.icon, 0x30u);
    EXPECT_TRUE(plan.topmost);
    EXPECT_EQ(plan.countdown, (Countdown{3, 7}));
    // A timeout of the caller's replaces the design's countdown and answers timed out.
    EXPECT_EQ(PlanBox(Design(0x2024, kCountdownOnly), 60u).countdown, (Countdown{60, 32000}));
    EXPECT_EQ(PlanBox(Design(0x2024, kWords2), 60u).countdown, (Countdown{60, 32000}));
    EXPECT_FALSE(PlanBox(Design(0x2024, {}), 60u).taskDialog);
    // Without own words the system's buttons speak the user's language, where it has them.
    EXPECT_TRUE(PlanBox(Design(0x2003, kCountdownOnly)).commonButtons);
    EXPECT_FALSE(PlanBox(Design(0x2002, kCountdownOnly)).commonButtons);
    EXPECT_FALSE(PlanBox(Design(0x2005, kCountdownOnly)).commonButtons);
    EXPECT_FALSE(PlanBox(Design(0x2004, kWords2)).commonButtons);
}

TEST(BoxPlan, CountdownTextShowsMinutesAndPastAnHourHours) {
    const std::pair<std::uint32_t, std::u16string> cases[] = {
        {299, u"This box closes in 4:59."},     {0, u"This box closes in 0:00."},
        {59, u"This box closes in 0:59."},      {600, u"This box closes in 10:00."},
        {3599, u"This box closes in 59:59."},   {3600, u"This box closes in 1:00:00."},
        {3899, u"This box closes in 1:04:59."}, {86400, u"This box closes in 24:00:00."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(CountdownText(c.first), c.second);
    }
}
