// The registry layout as WriteRegistryEntries leaves it in the real registry, and the all-users
// desktop folder as GetCommonDesktopPath finds it.

#include "framework/PathEncoding.h"
#include "support/DesktopPath.h"
#include "support/FailedStringWrite.h"
#include "support/RegistryEntries.h"
#include "tests/uninstall/Installation.h"

#include <gtest/gtest.h>

#include <optional>

namespace uninstalltest {
namespace {

const char* const kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zembra";

// The root as the test names it, independently of the program's own mapping.
HKEY TestRoot(RegistryRoot root) {
    if (root == RegistryRoot::ClassesRoot)
        return HKEY_CLASSES_ROOT;
    return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

class WriteRegistryEntriesTest : public testing::Test {
protected:
    // Every row of the layout is in the registry with its type and its data exactly.
    static void ExpectWritten(const std::string& folder, std::size_t skipFrom = 0,
                              std::size_t skipTo = 0) {
        const std::vector<RegistryEntry> entries = InstallationEntries(folder);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (i >= skipFrom && i < skipTo)
                continue;
            const RegistryEntry& entry = entries[i];
            SCOPED_TRACE("row " + std::to_string(i + 1) + ": " + entry.key + " " + entry.valueName);
            const std::optional<RegistryValue> value =
                ReadValue(TestRoot(entry.root), entry.key, entry.valueName);
            ASSERT_TRUE(value.has_value());
            if (entry.type == RegistryValueType::DWord) {
                EXPECT_EQ(value->type, static_cast<DWORD>(REG_DWORD));
                ASSERT_EQ(value->data.size(), 4u);
                EXPECT_EQ(value->data, std::string("\x01\0\0\0", 4));
            } else {
                EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
                EXPECT_EQ(GetString(TestRoot(entry.root), entry.key, entry.valueName), entry.text);
            }
        }
    }

    RegistryGuard m_registry;
    FailedWriteRecorder m_failedWrites;
};

TEST_F(WriteRegistryEntriesTest, WritesEveryValueOfTheLayout) {
    WriteRegistryEntries("C:\\Program Files\\Zembra Test\\", m_failedWrites.Told());
    ExpectWritten("C:\\Program Files\\Zembra Test\\");
    EXPECT_TRUE(m_failedWrites.Names().empty());
    // Read back literally, not through the layout: the values others rely on.
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, "Software\\Zembra", "Path"),
              "C:\\Program Files\\Zembra Test\\");
    EXPECT_EQ(GetString(HKEY_CLASSES_ROOT, "Zembra.Document\\Shell\\Open\\Command", ""),
              "\"C:\\Program Files\\Zembra Test\\Zembra.exe\" RUN \"%1\"");
    EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"),
              "\"C:\\Program Files\\Zembra Test\\Uninstall.exe\"");
}

TEST_F(WriteRegistryEntriesTest, WritesDefaultValuesUnderTheEmptyName) {
    WriteRegistryEntries("D:\\Apps\\", m_failedWrites.Told());
    for (const char* key :
         {".zembra", "Zembra.Document", "Zembra.Document\\DefaultIcon",
          "Zembra.Document\\Shell\\Open\\Command", "Zembra.Document\\Shell\\Edit\\Command"})
        EXPECT_EQ(ValueNames(HKEY_CLASSES_ROOT, key), std::vector<std::string>{""}) << key;
}

TEST_F(WriteRegistryEntriesTest, ReinstallingElsewhereOverwritesEveryValue) {
    WriteRegistryEntries("C:\\First place\\", m_failedWrites.Told());
    WriteRegistryEntries("E:\\Second place\\", m_failedWrites.Told());
    ExpectWritten("E:\\Second place\\");
}

// A key that cannot be created costs only its own rows, silently.
TEST_F(WriteRegistryEntriesTest, WritesTheOtherRowsWhenAKeyCannotBeCreated) {
    // Below a volatile key no lasting key can be made: rows 5 and 6 (the verbs) fail.
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, "Zembra.Document", "", ""));
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, "Zembra.Document\\Shell", "", "", true));
    WriteRegistryEntries("C:\\Zembra\\", m_failedWrites.Told());
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Zembra.Document\\Shell\\Open"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Zembra.Document\\Shell\\Edit"));
    ExpectWritten("C:\\Zembra\\", 4, 6);
    EXPECT_TRUE(m_failedWrites.Names().empty());
}

// The all-users desktop where the system keeps its place, as the uninstaller finds the shortcut
// on it: a full path in UTF-8 with its trailing backslash, named whether or not it exists.
TEST(GetCommonDesktopPath, IsTheSystemsAllUsersDesktopWithItsTrailingBackslash) {
    const char* const key =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    const testdriver::SavedValue saved(HKEY_LOCAL_MACHINE, key, "Common Desktop");
    wchar_t publicFolder[MAX_PATH] = L"";
    ASSERT_NE(GetEnvironmentVariableW(L"PUBLIC", publicFolder, MAX_PATH), 0u);
    const std::pair<std::wstring, std::string> cases[] = {
        {L"%PUBLIC%\\Desktop", Utf8Path(publicFolder) + "\\Desktop\\"},
        {L"D:\\Shared Desktop", "D:\\Shared Desktop\\"},
        {L"C:\\\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac",
         "C:\\\xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce\xba\xce\xac\\"},
    };
    for (const auto& [place, expected] : cases) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, WidePath(key).c_str(), L"Common Desktop",
                                  REG_EXPAND_SZ, place.c_str(),
                                  static_cast<DWORD>((place.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
        EXPECT_EQ(GetCommonDesktopPath(), expected);
    }
}

} // namespace
} // namespace uninstalltest
