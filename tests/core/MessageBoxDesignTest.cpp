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
    MessageBoxDesign design = WithStyle(0x42033);
    EXPECT_TRUE(design.SetButton(4));
    EXPECT_EQ(design.GetStyle(), 0x42034u);
    EXPECT_TRUE(design.SetButton(5));
    EXPECT_EQ(design.GetStyle(), 0x42035u);
    EXPECT_TRUE(design.SetIcon(0x40));
    EXPECT_EQ(design.GetStyle(), 0x42045u);
    EXPECT_TRUE(design.SetDefButton(0x200));
    EXPECT_EQ(design.GetStyle(), 0x42245u);
    EXPECT_TRUE(design.SetModal(0x1000));
    EXPECT_EQ(design.GetStyle(), 0x41245u);
    EXPECT_TRUE(design.SetModal(0x2000));
    EXPECT_EQ(design.GetStyle(), 0x42245u);
}

TEST(MessageBoxDesign, SettingTheCurrentValueChangesNothing) {
    MessageBoxDesign design = WithStyle(0x33);
    EXPECT_FALSE(design.SetIcon(0x30));
    EXPECT_FALSE(design.SetButton(3));
    EXPECT_FALSE(design.SetDefButton(0));
    // A word without a priority bit reads as Normal, so setting Normal adds no bit.
    EXPECT_FALSE(design.SetModal(0x2000));
    EXPECT_EQ(design.GetStyle(), 0x33u);
    EXPECT_FALSE(design.SetCaption(""));
    EXPECT_TRUE(design.SetCaption("Abc"));
    EXPECT_FALSE(design.SetCaption("Abc"));
    EXPECT_TRUE(design.SetCaption("abc"));
    EXPECT_TRUE(design.SetText("x\ny"));
    EXPECT_FALSE(design.SetText("x\ny"));
}
