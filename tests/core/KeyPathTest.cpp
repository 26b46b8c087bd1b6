#include "support/core/KeyPath.h"
#include "tests/driver/core/NamedCase.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// A parent and a child key path and the path JoinKeyPath makes of them.
struct Join : testdriver::NamedCase {
    const char* parent;
    const char* child;
    const char* joined;
};

const Join kJoins[] = {
    {"PutsOneBackslashBetweenParentAndChild", "Software\\Zembra", "Settings",
     "Software\\Zembra\\Settings"},
    {"DoesNotDoubleTheParentsTrailingBackslash", "Software\\Zembra\\", "Settings",
     "Software\\Zembra\\Settings"},
    {"DoesNotDoubleTheParentsTrailingBackslashes", "Software\\Zembra\\\\", "Settings",
     "Software\\Zembra\\Settings"},
    {"DoesNotDoubleTheChildsLeadingBackslash", "Software\\Zembra", "\\Settings",
     "Software\\Zembra\\Settings"},
    {"DoesNotDoubleTheChildsLeadingBackslashAfterTheParentsTrailingOne", "Software\\Zembra\\",
     "\\Settings", "Software\\Zembra\\Settings"},
    {"KeepsBackslashesInsideTheParts", "A\\B\\", "C\\D", "A\\B\\C\\D"},
    {"ChildOfTheRootHasNoLeadingBackslash", "", "Software", "Software"},
    {"ChildOfTheRootPathHasNoLeadingBackslash", "\\", "Software", "Software"},
};

class JoinKeyPathOf : public testing::TestWithParam<Join> {};

} // namespace

TEST_P(JoinKeyPathOf, ParentAndChild) {
    EXPECT_EQ(JoinKeyPath(GetParam().parent, GetParam().child), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(JoinKeyPath, JoinKeyPathOf, testing::ValuesIn(kJoins),
                         testdriver::CaseName());

TEST(JoinKeyPath, JoinedPathsNestWithoutDoubledBackslashes) {
    const std::string path = JoinKeyPath(JoinKeyPath("Software\\Zembra\\", "a"), "b");
    EXPECT_EQ(path, "Software\\Zembra\\a\\b");
    EXPECT_EQ(path.find("\\\\"), std::string::npos);
}

TEST(IsRootPath, IsTrueOnlyForPathsWithoutAKeyName) {
    for (const char* root : {"", "\\", "\\\\"})
        EXPECT_TRUE(IsRootPath(root)) << root;
    for (const char* key : {"Software", "Software\\", "\\Software"})
        EXPECT_FALSE(IsRootPath(key)) << key;
}
