#include "support/core/KeyPath.h"

#include <gtest/gtest.h>

TEST(JoinKeyPath, PutsOneBackslashBetweenParentAndChild) {
    EXPECT_EQ(JoinKeyPath("Software\\Zembra", "Settings"), "Software\\Zembra\\Settings");
}

TEST(JoinKeyPath, DoesNotDoubleTheParentsTrailingBackslash) {
    EXPECT_EQ(JoinKeyPath("Software\\Zembra\\", "Settings"), "Software\\Zembra\\Settings");
    EXPECT_EQ(JoinKeyPath("Software\\Zembra\\\\", "Settings"), "Software\\Zembra\\Settings");
}

TEST(JoinKeyPath, DoesNotDoubleTheChildsLeadingBackslash) {
    EXPECT_EQ(JoinKeyPath("Software\\Zembra", "\\Settings"), "Software\\Zembra\\Settings");
    EXPECT_EQ(JoinKeyPath("Software\\Zembra\\", "\\Settings"), "Software\\Zembra\\Settings");
}

TEST(JoinKeyPath, KeepsBackslashesInsideTheParts) {
    EXPECT_EQ(JoinKeyPath("A\\B\\", "C\\D"), "A\\B\\C\\D");
}

TEST(JoinKeyPath, ChildOfTheRootHasNoLeadingBackslash) {
    EXPECT_EQ(JoinKeyPath("", "Software"), "Software");
    EXPECT_EQ(JoinKeyPath("\\", "Software"), "Software");
}

TEST(JoinKeyPath, JoinedPathsNestWithoutDoubledBackslashes) {
    const std::string path = JoinKeyPath(JoinKeyPath("Software\\Zembra\\", "a"), "b");
    EXPECT_EQ(path, "Software\\Zembra\\a\\b");
    EXPECT_EQ(path.find("\\\\"), std::string::npos);
}

TEST(IsRootPath, IsTrueOnlyForPathsWithoutAKeyName) {
    EXPECT_TRUE(IsRootPath(""));
    EXPECT_TRUE(IsRootPath("\\"));
    EXPECT_TRUE(IsRootPath("\\\\"));
    EXPECT_FALSE(IsRootPath("Software"));
    EXPECT_FALSE(IsRootPath("Software\\"));
    EXPECT_FALSE(IsRootPath("\\Software"));
}
