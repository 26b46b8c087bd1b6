#include "support/core/RegistryLayout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Root = RegistryRoot;

const char* const kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zembra";

// The values themselves, each written out in full, are read back from the registry after a real
// installation by the installer's tests; here, what holds for any folder.
//
// A key path with or without its trailing backslash names the same key.
std::string WithoutTrailingBackslash(std::string key) {
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
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

} // namespace
