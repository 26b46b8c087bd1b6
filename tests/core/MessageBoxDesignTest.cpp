#include "app/core/MessageBoxDesign.h"

#include <gtest/gtest.h>

namespace {

MessageBoxDesign WithStyle(std::uint32_t style) {
    MessageBoxDesign design;
    design.SetStyle(style);
    return design;
}

} // namespace

TEST(MessageBoxDesign, NewDesignIsNoIconOkFirstButtonNormal) {
    const MessageBoxDesign design;
    EXPECT_EQ(design.GetStyle(), 0x2000u);
    EXPECT_EQ(design.GetIcon(), 0u);
    EXPECT_EQ(design.GetButton(), 0u);
    EXPECT_EQ(design.GetDefButton(), 0u);
    EXPECT_EQ(design.GetModal(), 0x2000u);
}

TEST(MessageBoxDesign, EveryTableValueReadsBackAsItself) {
    for (std::uint32_t icon : {0x00u, 0x10u, 0x20u, 0x30u, 0x40u})
        EXPECT_EQ(WithStyle(0x2000 | icon).GetIcon(), icon);
    for (std::uint32_t button = 0; button <= 5; ++button)
        EXPECT_EQ(WithStyle(0x2000 | button).GetButton(), button);
    for (std::uint32_t def : {0x000u, 0x100u, 0x200u})
        EXPECT_EQ(WithStyle(0x2000 | def).GetDefButton(), def);
    EXPECT_EQ(WithStyle(0x1000).GetModal(), 0x1000u);
}

TEST(MessageBoxDesign, AmbiguousWordsReadByTheGroupsRules) {
    EXPECT_EQ(WithStyle(6).GetButton(), 4u);
    EXPECT_EQ(WithStyle(7).GetButton(), 3u);
    EXPECT_EQ(WithStyle(0x50).GetIcon(), 0x40u);
    EXPECT_EQ(WithStyle(0x70).GetIcon(), 0x40u);
    EXPECT_EQ(WithStyle(0x300).GetDefButton(), 0x100u);
    EXPECT_EQ(WithStyle(0x3000).GetModal(), 0x1000u);
    EXPECT_EQ(WithStyle(0).GetModal(), 0x2000u);
}

TEST(MessageBoxDesign, SettersReplaceOneGroupAndKeepTheRest) {
    using Setter = bool (MessageBoxDesign::*)(std::uint32_t);
    const struct {
        Setter set;
        std::uint32_t value;
        std::uint32_t style; // the whole word afterwards
    } steps[] = {{&MessageBoxDesign::SetButton, 4, 0x42034},
                 {&MessageBoxDesign::SetButton, 5, 0x42035},
                 {&MessageBoxDesign::SetIcon, 0x40, 0x42045},
                 {&MessageBoxDesign::SetDefButton, 0x200, 0x42245},
                 {&MessageBoxDesign::SetModal, 0x1000, 0x41245},
                 {&MessageBoxDesign::SetModal, 0x2000, 0x42245}};
    MessageBoxDesign design = WithStyle(0x42033);
    for (const auto& step : steps) {
        EXPECT_TRUE((design.*step.set)(step.value)) << std::hex << step.value;
        EXPECT_EQ(design.GetStyle(), step.style) << std::hex << step.value;
    }
}

TEST(MessageBoxDesign, SettingTheCurrentValueChangesNothing) {
    MessageBoxDesign design = WithStyle(0x33);
    EXPECT_FALSE(design.SetIcon(0x30));
    EXPECT_FALSE(design.SetButton(3));
    EXPECT_FALSE(design.SetDefButton(0));
    // A word without a priority bit reads as Normal, so setting Normal adds no bit.
    EXPECT_FALSE(design.SetModal(0x2000));
    EXPECT_EQ(design.GetStyle(), 0x33u);
    EXPECT_FALSE(design.SetCaption(u""));
    EXPECT_TRUE(design.SetCaption(u"Abc"));
    EXPECT_FALSE(design.SetCaption(u"Abc"));
    EXPECT_TRUE(design.SetCaption(u"abc"));
    EXPECT_TRUE(design.SetText(u"x\ny"));
    EXPECT_FALSE(design.SetText(u"x\ny"));
}
