// The registry layout as WriteRegistryEntries leaves it in the real registry, and the all-users
// desktop folder as GetCommonDesktopPath finds it.

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
    WriteRegistryEntries("C:\\Program Files\\Zembra Test\\");
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
    WriteRegistryEntries("D:\\Apps\\");
    for (const char* key :
         {".zembra", "Zembra.Document", "Zembra.Document\\DefaultIcon",
          "Zembra.Document\\Shell\\Open\\Command", "Zembra.Document\\Shell\\Edit\\Command"})
        EXPECT_EQ(ValueNames(HKEY_CLASSES_ROOT, key), std::vector<std::string>{""}) << key;
}

TEST_F(WriteRegistryEntriesTest, ReinstallingElsewhereOverwritesEveryValue) {
    WriteRegistryEntries("C:\\First place\\");
    WriteRegistryEntries("E:\\Second place\\");
    ExpectWritten("E:\\Second place\\");
}

// A key that cannot be created costs only its own rows, silently.
TEST_F(WriteRegistryEntriesTest, WritesTheOtherRowsWhenAKeyCannotBeCreated) {
    // Below a volatile key no lasting key can be made: rows 5 and 6 (the verbs) fail.
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, "Zembra.Document", "", ""));
    ASSERT_TRUE(SetString(HKEY_CLASSES_ROOT, "Zembra.Document\\Shell", "", "", true));
    WriteRegistryEntries("C:\\Zembra\\");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Zembra.Document\\Shell\\Open"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Zembra.Document\\Shell\\Edit"));
    ExpectWritten("C:\\Zembra\\", 4, 6);
    EXPECT_TRUE(m_failedWrites.Names().empty());
}

class EnvironmentVariable {
public:
    explicit EnvironmentVariable(const char* name) : m_name(name) {
        char buffer[32767];
        const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
        if (length != 0 && length < sizeof buffer)
            m_saved = std::string(buffer, length);
    }
    ~EnvironmentVariable() {
        SetEnvironmentVariableA(m_name, m_saved ? m_saved->c_str() : nullptr);
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

    void Set(const std::optional<std::string>& value) {
        SetEnvironmentVariableA(m_name, value ? value->c_str() : nullptr);
    }

private:
    const char* m_name;
    std::optional<std::string> m_saved;
};

TEST(GetCommonDesktopPath, ExpandsTheHomeDriveIntoTheFixedText) {
    const std::string unexpanded = "%HOMEDRIVE%\\Documents and Settings\\All Users\\Desktop\\";
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {"C:", "C:\\Documents and Settings\\All Users\\Desktop\\"},
        {"D:", "D:\\Documents and Settings\\All Users\\Desktop\\"},
        {"\\\\server\\share", "\\\\server\\share\\Documents and Settings\\All Users\\Desktop\\"},
        {std::nullopt, unexpanded},
        // Too long to fit a path: the text stays unexpanded rather than cut short.
        {std::string(300, 'x'), unexpanded},
    };
    EnvironmentVariable homeDrive("HOMEDRIVE");
    for (const auto& [drive, expected] : cases) {
        homeDrive.Set(drive);
        EXPECT_EQ(GetCommonDesktopPath(), expected) << drive.value_or("(not set)").substr(0, 20);
    }
}

} // namespace
} // namespace uninstalltest
