#include "support/core/RegistryLayout.h"
#include "support/core/ProductInfo.h"
#include "support/core/VersionText.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Root = RegistryRoot;
using Type = RegistryValueType;

const char* const kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zembra";

struct Row {
    Root root;
    const char* key;
    const char* name;
    Type type;
    const char* text;
    std::uint32_t number;
};

// The installation into a folder with blanks, every value written out in full.
const Row kInstalledInProgramFiles[] = {
    {Root::ClassesRoot, ".zembra", "", Type::String, "Zembra.Document", 0},
    {Root::ClassesRoot, ".zembra\\ShellNew", "FileName", Type::String,
     "C:\\Program Files\\Zembra\\New MessageBox.zembra", 0},
    {Root::ClassesRoot, "Zembra.Document", "", Type::String, "Zembra Document", 0},
    {Root::ClassesRoot, "Zembra.Document\\DefaultIcon", "", Type::String,
     "C:\\Program Files\\Zembra\\FileType Icon.ico", 0},
    {Root::ClassesRoot, "Zembra.Document\\Shell\\Open\\Command", "", Type::String,
     "\"C:\\Program Files\\Zembra\\Zembra.exe\" RUN \"%1\"", 0},
    {Root::ClassesRoot, "Zembra.Document\\Shell\\Edit\\Command", "", Type::String,
     "\"C:\\Program Files\\Zembra\\Zembra.exe\" \"%1\"", 0},
    {Root::LocalMachine, kUninstall, "DisplayIcon", Type::String,
     "C:\\Program Files\\Zembra\\Zembra.exe", 0},
    {Root::LocalMachine, kUninstall, "DisplayName", Type::String, "Zembra 1.0", 0},
    {Root::LocalMachine, kUninstall, "DisplayVersion", Type::String, "1.0", 0},
    // Quoted, so that the shell does not run "C:\Program.exe".
    {Root::LocalMachine, kUninstall, "UninstallString", Type::String,
     "\"C:\\Program Files\\Zembra\\Uninstall.exe\"", 0},
    {Root::LocalMachine, kUninstall, "NoModify", Type::DWord, "", 1},
    {Root::LocalMachine, kUninstall, "NoRepair", Type::DWord, "", 1},
    {Root::LocalMachine, "Software\\Zembra", "Version", Type::String, "1.0", 0},
    {Root::LocalMachine, "Software\\Zembra", "Path", Type::String, "C:\\Program Files\\Zembra\\",
     0},
};

// A key path with or without its trailing backslash names the same key.
std::string WithoutTrailingBackslash(std::string key) {
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

TEST(InstallationEntries, AreTheFourteenValuesInTheirOrder) {
    const std::vector<RegistryEntry> entries = InstallationEntries("C:\\Program Files\\Zembra\\");
    ASSERT_EQ(entries.size(), std::size(kInstalledInProgramFiles));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Row& row = kInstalledInProgramFiles[i];
        const RegistryEntry& entry = entries[i];
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_EQ(entry.root, row.root);
        EXPECT_EQ(WithoutTrailingBackslash(entry.key), row.key);
        EXPECT_EQ(entry.valueName, row.name);
        EXPECT_EQ(entry.type, row.type);
        EXPECT_EQ(entry.text, row.text);
        EXPECT_EQ(entry.number, row.number);
    }
}

TEST(InstallationEntries, AddTheMissingBackslashOfTheFolder) {
    const std::vector<RegistryEntry> withIt = InstallationEntries("D:\\Apps\\");
    const std::vector<RegistryEntry> without = InstallationEntries("D:\\Apps");
    ASSERT_EQ(withIt.size(), without.size());
    for (std::size_t i = 0; i < withIt.size(); ++i)
        EXPECT_EQ(without[i].text, withIt[i].text) << "row " << i + 1;
}

struct TreeRow {
    Root root;
    const char* key;
};

const TreeRow kTrees[] = {
    {Root::ClassesRoot, ".zembra\\"},
    {Root::ClassesRoot, "Zembra.Document\\"},
    {Root::CurrentUser, "Software\\Zembra\\"},
    {Root::LocalMachine, "Software\\Zembra\\"},
    {Root::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zembra\\"},
};

TEST(ProductRegistryTrees, AreTheFiveTreesInRemovalOrder) {
    const std::vector<RegistryTree>& trees = ProductRegistryTrees();
    ASSERT_EQ(trees.size(), std::size(kTrees));
    for (std::size_t i = 0; i < trees.size(); ++i) {
        EXPECT_EQ(trees[i].root, kTrees[i].root) << "tree " << i + 1;
        EXPECT_EQ(trees[i].key, kTrees[i].key) << "tree " << i + 1;
    }
}

// Everything an installation writes lies inside a tree the uninstallation removes: a value
// outside them would stay behind on the machine.
TEST(ProductRegistryTrees, HoldEveryValueAnInstallationWrites) {
    for (const RegistryEntry& entry : InstallationEntries("C:\\Zembra\\")) {
        const std::string key = WithoutTrailingBackslash(entry.key) + "\\";
        bool inside = false;
        for (const RegistryTree& tree : ProductRegistryTrees())
            inside = inside || (tree.root == entry.root && key.rfind(tree.key, 0) == 0);
        EXPECT_TRUE(inside) << entry.key << " " << entry.valueName;
    }
}

TEST(StoredKey, PutsTheFileTypeIntoTheMachinesOwnClassesAndLeavesEveryOtherKey) {
    const std::tuple<Root, const char*, Root, const char*> cases[] = {
        {Root::ClassesRoot, ".zembra\\", Root::LocalMachine, "Software\\Classes\\.zembra\\"},
        {Root::ClassesRoot, "Zembra.Document\\Shell\\Open\\Command", Root::LocalMachine,
         "Software\\Classes\\Zembra.Document\\Shell\\Open\\Command"},
        {Root::CurrentUser, "Software\\Zembra\\", Root::CurrentUser, "Software\\Zembra\\"},
        {Root::LocalMachine, kUninstall, Root::LocalMachine, kUninstall},
    };
    for (const auto& [root, key, storedRoot, storedKey] : cases) {
        const RegistryTree stored = StoredKey(root, key);
        EXPECT_EQ(stored.root, storedRoot) << key;
        EXPECT_EQ(stored.key, storedKey) << key;
    }
}

TEST(ProductInfo, NamesTheProductAsTheListOfProgramsShowsIt) {
    EXPECT_STREQ(product::kDisplayName, "Zembra 1.0");
    EXPECT_EQ(ProductVersionText(), "1.0");
    EXPECT_STREQ(product::kUninstallKey, kUninstall);
}

} // namespace
