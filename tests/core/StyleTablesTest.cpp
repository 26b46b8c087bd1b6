#include "app/core/StyleTables.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

const CMaps maps;

} // namespace

TEST(StyleTables, ZeroIsAValueAndLabelsMatchExactly) {
    EXPECT_EQ(maps.m_ButtonMap.FindValue("OK"), 0u);
    EXPECT_EQ(maps.m_NumButtonsMap.FindValue("OK"), 1u);
    EXPECT_EQ(maps.m_DefButtonMap.FindValue("Button 1"), 0u);
    EXPECT_EQ(maps.m_IconMap.FindValue("No Icon"), 0u);
    EXPECT_EQ(maps.m_IconMap.FindValue("Error"), 0x10u);
    EXPECT_FALSE(maps.m_IconMap.FindValue("error"));
    EXPECT_FALSE(maps.m_ButtonMap.FindValue("OK "));
    EXPECT_FALSE(maps.m_ButtonMap.FindValue(""));
    EXPECT_FALSE(maps.m_ModalMap.FindLabel(0));
    EXPECT_EQ(maps.m_ModalMap.FindLabel(0x2000), "Normal");
    EXPECT_FALSE(maps.m_ButtonMap.FindLabel(6));
}

TEST(StyleTables, EveryValueTheDocumentCanHoldHasExactlyOneLabel) {
    const struct {
        const StyleTable& table;
        std::vector<std::uint32_t> values;
    } groups[] = {
        {maps.m_IconMap, {0, 0x10, 0x20, 0x30, 0x40}},
        {maps.m_ButtonMap, {0, 1, 2, 3, 4, 5}},
        {maps.m_DefButtonMap, {0, 0x100, 0x200}},
        {maps.m_ModalMap, {0x1000, 0x2000}},
    };
    for (const auto& group : groups) {
        ASSERT_EQ(group.table.Entries().size(), group.values.size());
        for (std::uint32_t value : group.values) {
            const auto label = group.table.FindLabel(value);
            ASSERT_TRUE(label) << value;
            EXPECT_EQ(group.table.FindValue(*label), value);
        }
    }
}

TEST(StyleTables, ListsKeepTheirOrderAndEveryButtonSetHasItsCount) {
    std::vector<std::string> labels;
    for (const auto& entry : maps.m_ButtonMap.Entries())
        labels.push_back(entry.first);
    EXPECT_EQ(labels, (std::vector<std::string>{"OK", "OK, Cancel", "Yes, No", "Yes, No, Cancel",
                                                "Retry, Cancel", "Abort, Retry, Ignore"}));
    const std::uint32_t counts[] = {1, 2, 2, 3, 2, 3};
    for (std::size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(maps.m_NumButtonsMap.FindValue(labels[i]), counts[i]) << labels[i];
}

TEST(StyleTables, FailureLinesCarryThePrefixAnd224Digits) {
    const std::regex digits224("\\[224-bit\\] = [01]{224}");
    const std::string missingLabel = MissingLabelLine("error", maps.m_IconMap);
    const std::string prefix = "Error: The value error does not exist in the list box ";
    ASSERT_EQ(missingLabel.compare(0, prefix.size(), prefix), 0) << missingLabel;
    EXPECT_TRUE(std::regex_match(missingLabel.substr(prefix.size()), digits224)) << missingLabel;

    const std::string missingValue = MissingValueLine(6, maps.m_ButtonMap);
    const std::string valuePrefix = "Error: The value 6 does not exist in the list box ";
    ASSERT_EQ(missingValue.compare(0, valuePrefix.size(), valuePrefix), 0) << missingValue;
    EXPECT_TRUE(std::regex_match(missingValue.substr(valuePrefix.size()), digits224));
    // Each table renders a header of its own.
    EXPECT_NE(maps.m_IconMap.HeaderBits(), maps.m_ButtonMap.HeaderBits());
}
