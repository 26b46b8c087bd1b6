// Paths as text: the folder a name is appended to, and the name at a path's end.

#include "framework/core/PathText.h"

#include <gtest/gtest.h>

#include <utility>

TEST(WithTrailingBackslash, AddsOneOnlyWhereItIsMissing) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Apps", "C:\\Apps\\"}, {"C:\\Apps\\", "C:\\Apps\\"},
        {"C:\\", "C:\\"},           {"D:", "D:\\"},
        {"C:\\x/", "C:\\x/\\"},     {"", ""}};
    for (const auto& [folder, expected] : cases)
        EXPECT_EQ(WithTrailingBackslash(folder), expected) << folder;
}

TEST(FileNameOf, IsWhatFollowsTheLastBackslashSlashOrColon) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Zembra\\Help.htm", "Help.htm"},
        {"Help.htm", "Help.htm"},
        {"C:\\dir\\", ""},
        {"C:Log.txt", "Log.txt"},
        {"C:/Users/me/New MessageBox.zembra", "New MessageBox.zembra"},
        {"\\\\server\\share\\a.b.zembra", "a.b.zembra"},
        {"", ""}};
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(FileNameOf(path), expected) << path;
}
