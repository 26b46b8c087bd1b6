// RegistryKey and DeleteKeyTree against the real registry: every test works in its own scratch key
// HKEY_CURRENT_USER\Software\ZembraTest\<test name>, removed again afterwards.

#include "support/RegistryKey.h"
#include "framework/MessageBox.h"
#include "support/FailedStringWrite.h"
#include "tests/driver/Recorders.h"
#include "tests/driver/Registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const TestRoot = "Software\\ZembraTest";

struct RawValue {
    bool found = false;
    DWORD type = 0;
    std::vector<BYTE> bytes;
};

class RegistryKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = std::string(TestRoot) + "\\" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    }

    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, TestRoot);
        SetMessageHandler(nullptr);
    }

    // The scratch key, or a key below it.
    std::string Path(const std::string& below = std::string()) const {
        return below.empty() ? m_path : m_path + "\\" + below;
    }

    static bool KeyExists(const std::string& path) {
        return testdriver::KeyExists(HKEY_CURRENT_USER, path);
    }

    static void CreateKey(const std::string& path) {
        ASSERT_TRUE(testdriver::CreateKey(HKEY_CURRENT_USER, path)) << path;
    }

    // Writes a value past RegistryKey, with exactly the given bytes.
    static void WriteRaw(const std::string& path, const char* name, DWORD type,
                         const std::string& data) {
        ASSERT_TRUE(testdriver::SetValue(HKEY_CURRENT_USER, path, name, {type, data}))
            << path << " " << name;
    }

    // Reads a value past RegistryKey, as the registry gives it out in UTF-16.
    static RawValue ReadRaw(const std::string& path, const wchar_t* name) {
        RawValue value;
        RegKeyHandle key;
        DWORD size = 0;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Receive()) !=
                ERROR_SUCCESS ||
            RegQueryValueExW(key.Get(), name, NULL, &value.type, NULL, &size) != ERROR_SUCCESS)
            return value;
        value.bytes.resize(size);
        value.found = RegQueryValueExW(key.Get(), name, NULL, &value.type, value.bytes.data(),
                                       &size) == ERROR_SUCCESS;
        value.bytes.resize(value.found ? size : 0);
        return value;
    }

    // What the registry holds for a string written as exactly its bytes, without terminator.
    RawValue StoredText(const std::string& text) const {
        WriteRaw(Path("reference"), "Text", REG_SZ, text);
        return ReadRaw(Path("reference"), L"Text");
    }

    std::string m_path;
};

} // namespace

TEST_F(RegistryKeyTest, OpensNothingUntilAskedReadNeedsTheKeyAndWriteCreatesThePath) {
    RegistryKey key(HKEY_CURRENT_USER, Path("a\\b\\"));
    EXPECT_FALSE(key.Failed());
    EXPECT_EQ(key.GetResult(), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(Path("a")));
    EXPECT_EQ(key.Open(RegistryKey::Read), ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(key.Failed());
    EXPECT_FALSE(KeyExists(Path("a")));

    EXPECT_EQ(key.Open(RegistryKey::Write), ERROR_SUCCESS);
    EXPECT_FALSE(key.Failed());
    key.Close();
    EXPECT_TRUE(KeyExists(Path("a\\b")));
    EXPECT_EQ(key.Open(RegistryKey::Read), ERROR_SUCCESS);
}

// A missing key or value has no size, does not exist, leaves a buffer as it was and reads as the
// default, as does an empty value; data of any type reads up to its first NUL.
TEST_F(RegistryKeyTest, GetStringReadsUpToTheFirstNulWhateverTheTypeOrGivesTheDefault) {
    RegistryKey missingKey(HKEY_CURRENT_USER, Path("missing"));
    EXPECT_EQ(missingKey.GetString("Name", "default"), "default");
    EXPECT_TRUE(missingKey.Failed());
    EXPECT_EQ(missingKey.GetValueSize("Value"), 0u);
    EXPECT_FALSE(missingKey.ValueExists("Value"));
    EXPECT_FALSE(KeyExists(Path("missing")));

    CreateKey(Path());
    RegistryKey key(HKEY_CURRENT_USER, Path());
    EXPECT_EQ(key.GetString("Missing", "default"), "default");
    EXPECT_TRUE(key.Failed());
    EXPECT_EQ(key.GetValueSize("Value"), 0u);
    EXPECT_EQ(key.GetResult(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(key.ValueExists("Value"));
    BYTE untouched[4] = {1, 2, 3, 4};
    key.GetBinary("Value", untouched, sizeof untouched);
    EXPECT_EQ(std::vector<BYTE>(untouched, untouched + 4), (std::vector<BYTE>{1, 2, 3, 4}));

    const struct {
        const char* name;
        DWORD type;
        std::string data;
        const char* read;
    } cases[] = {{"Empty", REG_SZ, "", "default"},
                 {"NoNul", REG_SZ, "abc", "abc"},
                 {"Binary", REG_BINARY, "bin", "bin"},
                 {"EmbeddedNul", REG_BINARY, std::string("ab\0cd", 5), "ab"}};
    for (const auto& c : cases) {
        WriteRaw(Path(), c.name, c.type, c.data);
        EXPECT_EQ(key.GetString(c.name, "default"), c.read) << c.name;
        EXPECT_FALSE(key.Failed()) << c.name;
    }
}

// A text without its terminator (an empty one stored empty, which reads back as the default),
// a number as four little-endian bytes; the path is made as needed.
TEST_F(RegistryKeyTest, SettersStoreTheValuesAsTheRegistryShowsThem) {
    RegistryKey key(HKEY_CURRENT_USER, Path("deep\\below\\"));
    key.SetString("Name", "Zembra");
    key.SetString("", "default value");
    key.SetString("LogPath", "");
    key.SetDWORD("nMaxLogSize", 0x01020304);
    EXPECT_FALSE(key.Failed());
    const struct {
        const wchar_t* name;
        DWORD type;
        std::vector<BYTE> bytes;
    } stored[] = {{L"Name", REG_SZ, StoredText("Zembra").bytes},
                  {L"", REG_SZ, StoredText("default value").bytes},
                  {L"LogPath", REG_SZ, {}},
                  {L"nMaxLogSize", REG_DWORD, {0x04, 0x03, 0x02, 0x01}}};
    for (const auto& value : stored) {
        const RawValue raw = ReadRaw(Path("deep\\below"), value.name);
        EXPECT_TRUE(raw.found);
        EXPECT_EQ(raw.type, value.type);
        EXPECT_EQ(raw.bytes, value.bytes);
    }
    EXPECT_EQ(key.GetString("Name", "other"), "Zembra");
    EXPECT_EQ(key.GetString("", "other"), "default value");
    EXPECT_EQ(key.GetString("LogPath", "C:\\default.log"), "C:\\default.log");
    EXPECT_EQ(key.GetValueSize("nMaxLogSize"), 4u);
}

TEST_F(RegistryKeyTest, BinaryValuesRoundTripWithTheirSize) {
    const BYTE data[] = {0x2C, 0x00, 0x00, 0x00, 0xFF, 0x01, 0x00};
    RegistryKey key(HKEY_CURRENT_USER, Path());
    key.SetBinary("WindowPlacement", data, sizeof data);
    EXPECT_FALSE(key.Failed());
    EXPECT_EQ(ReadRaw(Path(), L"WindowPlacement").type, static_cast<DWORD>(REG_BINARY));

    EXPECT_TRUE(key.ValueExists("WindowPlacement"));
    ASSERT_EQ(key.GetValueSize("WindowPlacement"), sizeof data);
    BYTE read[sizeof data] = {};
    key.GetBinary("WindowPlacement", read, sizeof read);
    EXPECT_FALSE(key.Failed());
    EXPECT_EQ(std::memcmp(read, data, sizeof data), 0);
}

TEST_F(RegistryKeyTest, GetBinaryNeverWritesPastTheGivenBuffer) {
    WriteRaw(Path(), "Grown", REG_BINARY, std::string(16, '\xAB'));

    BYTE buffer[32];
    std::memset(buffer, 0xCC, sizeof buffer);
    RegistryKey key(HKEY_CURRENT_USER, Path());
    key.GetBinary("Grown", buffer, 8);
    EXPECT_EQ(key.GetResult(), ERROR_MORE_DATA);
    for (std::size_t i = 8; i < sizeof buffer; ++i)
        EXPECT_EQ(buffer[i], 0xCC) << "byte " << i;
}

TEST_F(RegistryKeyTest, SettersWriteNothingWhenTheKeyCannotBeOpened) {
    testdriver::FailedWriteRecorder failedWrites;
    // A key path may not begin with a backslash.
    RegistryKey key(HKEY_CURRENT_USER, "\\" + Path());
    key.SetString("Name", "text", failedWrites.Told());
    EXPECT_TRUE(key.Failed());
    key.SetWideString("Name", L"text", failedWrites.Told());
    EXPECT_TRUE(key.Failed());
    key.SetDWORD("Number", 1);
    EXPECT_TRUE(key.Failed());
    key.SetBinary("Data", "x", 1);
    EXPECT_TRUE(key.Failed());
    EXPECT_FALSE(KeyExists(Path()));
    EXPECT_TRUE(failedWrites.Names().empty());
}

TEST_F(RegistryKeyTest, FailedWriteIsReportedOnlyWhenTheOpenedKeyRejectsTheString) {
    // The installer's report: the value's name in an error message captioned with its name.
    const FailedStringWrite report = [](const std::string& valueName) {
        ReportFailedStringWrite(valueName, "Install Zembra 1.0");
    };
    const testdriver::MessageRecorder messages;

    RegistryKey key(HKEY_CURRENT_USER, Path());
    key.SetString("DisplayName", "Zembra", report);
    EXPECT_FALSE(key.Failed());
    EXPECT_TRUE(messages.Shown().empty());

    // Value names are limited to 16383 characters: the key opens, the value is rejected.
    const std::string tooLong(16384, 'n');
    key.SetDWORD(tooLong, 1);
    EXPECT_TRUE(key.Failed());
    EXPECT_TRUE(messages.Shown().empty());

    // Without a report, as the editor writes, nothing is told.
    key.SetString(tooLong, "Zembra");
    EXPECT_TRUE(key.Failed());
    EXPECT_TRUE(messages.Shown().empty());

    key.SetString(tooLong, "Zembra", report);
    EXPECT_TRUE(key.Failed());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].text, "The registry key " + tooLong + " could not be created.");
    EXPECT_EQ(messages.Shown()[0].caption, "Install Zembra 1.0");
    EXPECT_EQ(messages.Shown()[0].type, static_cast<unsigned>(MB_OK | MB_ICONERROR));

    RegistryKey unopenable(HKEY_CURRENT_USER, "\\" + Path());
    unopenable.SetString("DisplayName", "Zembra", report);
    EXPECT_TRUE(unopenable.Failed());
    EXPECT_EQ(messages.Shown().size(), 1u);
}

// Text in any script goes in and out whole through the wide functions, stored as SetString stores
// a text of the ANSI code page; a failed write is told as a narrow one is.
TEST_F(RegistryKeyTest, WideStringsRoundTripInAnyScriptAndAreStoredAsNarrowOnesAre) {
    testdriver::FailedWriteRecorder failedWrites;
    RegistryKey key(HKEY_CURRENT_USER, Path());
    const std::wstring cases[] = {
        L"C:\\Program Files\\Zembra \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac\\",
        L"\u518d\u8d77\u52d5 \u2713", L"Zembra"};
    for (const std::wstring& text : cases) {
        key.SetWideString("Path", text, failedWrites.Told());
        EXPECT_FALSE(key.Failed());
        EXPECT_EQ(key.GetWideString("Path", L"default"), text);
    }
    EXPECT_EQ(ReadRaw(Path(), L"Path").bytes, StoredText("Zembra").bytes);
    key.SetWideString("Path", L"");
    EXPECT_EQ(key.GetWideString("Path", L"default"), L"default");
    EXPECT_EQ(key.GetWideString("Missing", L"default"), L"default");
    EXPECT_TRUE(key.Failed());
    EXPECT_TRUE(failedWrites.Names().empty());
    key.SetWideString(std::string(16384, 'n'), L"Zembra", failedWrites.Told());
    EXPECT_EQ(failedWrites.Names(), std::vector<std::string>{std::string(16384, 'n')});
}

TEST_F(RegistryKeyTest, SetKeyAimsLaterOperationsAtTheNewKey) {
    RegistryKey key(HKEY_CURRENT_USER, Path("first"));
    key.SetString("Value", "1");
    key.SetKey(HKEY_CURRENT_USER, Path("second"));
    key.SetString("Value", "2");
    EXPECT_EQ(ReadRaw(Path("first"), L"Value").bytes, StoredText("1").bytes);
    EXPECT_EQ(ReadRaw(Path("second"), L"Value").bytes, StoredText("2").bytes);
}

TEST_F(RegistryKeyTest, DeleteKeyRemovesTheWholeTreeAndNothingBeside) {
    const std::string sibling = Path() + "Sibling";
    CreateKey(sibling);
    WriteRaw(Path(), "Top", REG_SZ, "t");
    WriteRaw(Path("a"), "Middle", REG_SZ, "m");
    WriteRaw(Path("a\\one\\leaf"), "Bottom", REG_SZ, "b");
    CreateKey(Path("a\\two"));
    CreateKey(Path("b\\three"));

    RegistryKey key(HKEY_CURRENT_USER, Path() + "\\");
    EXPECT_EQ(key.DeleteKey(), ERROR_SUCCESS);
    EXPECT_FALSE(key.Failed());
    EXPECT_FALSE(KeyExists(Path()));
    EXPECT_TRUE(KeyExists(sibling));
    RegDeleteKeyA(HKEY_CURRENT_USER, sibling.c_str());
    // A key that is no longer there is deleted again without a failure.
    EXPECT_EQ(key.DeleteKey(), ERROR_SUCCESS);
    EXPECT_EQ(key.GetResult(), ERROR_SUCCESS);
}

TEST_F(RegistryKeyTest, DeleteKeyTreeRefusesAPathNamingTheRootItself) {
    CreateKey(Path("keep"));
    RegKeyHandle scratch;
    ASSERT_EQ(
        RegOpenKeyExA(HKEY_CURRENT_USER, Path().c_str(), 0, KEY_ALL_ACCESS, scratch.Receive()),
        ERROR_SUCCESS);
    EXPECT_EQ(DeleteKeyTree(scratch.Get(), ""), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(DeleteKeyTree(scratch.Get(), "\\"), ERROR_INVALID_PARAMETER);
    RegistryKey key(scratch.Get(), "");
    EXPECT_EQ(key.DeleteKey(), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(KeyExists(Path("keep")));
}

// A registry link at path to a key of its own under HKEY_LOCAL_MACHINE that holds a value and a
// subkey; the target is removed again when the link ends.
class LinkedKey {
public:
    explicit LinkedKey(const std::string& path)
        : m_target("Software\\ZembraTestTarget " + std::to_string(GetCurrentProcessId())) {
        EXPECT_TRUE(testdriver::SetString(HKEY_LOCAL_MACHINE, m_target, "Kept", "yes"));
        EXPECT_TRUE(testdriver::CreateKey(HKEY_LOCAL_MACHINE, m_target + "\\Child"));
        RegKeyHandle link;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, NULL, REG_OPTION_CREATE_LINK,
                                  KEY_ALL_ACCESS, NULL, link.Receive(), NULL),
                  ERROR_SUCCESS);
        const std::wstring to =
            L"\\Registry\\Machine\\" + std::wstring(m_target.begin(), m_target.end());
        EXPECT_EQ(RegSetValueExW(link.Get(), L"SymbolicLinkValue", 0, REG_LINK,
                                 reinterpret_cast<const BYTE*>(to.data()),
                                 static_cast<DWORD>(to.size() * sizeof(wchar_t))),
                  ERROR_SUCCESS);
        // Opened through the link, the path shows the target's value.
        EXPECT_EQ(testdriver::GetString(HKEY_CURRENT_USER, path, "Kept"), "yes");
    }
    ~LinkedKey() {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_target.c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, m_target.c_str());
    }
    LinkedKey(const LinkedKey&) = delete;
    LinkedKey& operator=(const LinkedKey&) = delete;

    // The target is there with its value and its subkey.
    bool TargetIsWhole() const {
        return testdriver::GetString(HKEY_LOCAL_MACHINE, m_target, "Kept") == "yes" &&
               testdriver::KeyExists(HKEY_LOCAL_MACHINE, m_target + "\\Child");
    }

private:
    std::string m_target;
};

// A link in the tree, or the tree's key itself a link, goes as a link: what it leads to stays.
TEST_F(RegistryKeyTest, DeleteKeyTreeDeletesALinkAndNeverWhatItLeadsTo) {
    for (const char* below : {"tree\\a\\link", "tree"}) {
        SCOPED_TRACE(below);
        if (std::strcmp(below, "tree") != 0)
            CreateKey(Path("tree\\b"));
        LinkedKey link(Path(below));
        EXPECT_EQ(DeleteKeyTree(HKEY_CURRENT_USER, Path("tree")), ERROR_SUCCESS);
        EXPECT_FALSE(KeyExists(Path("tree")));
        EXPECT_TRUE(link.TargetIsWhole());
        RegDeleteTreeA(HKEY_CURRENT_USER, Path("tree").c_str());
    }
}

TEST(GetHiveName, NamesTheThreeRootsInUseAndNoOther) {
    EXPECT_EQ(GetHiveName(HKEY_CLASSES_ROOT), "HKEY_CLASSES_ROOT\\");
    EXPECT_EQ(GetHiveName(HKEY_CURRENT_USER), "HKEY_CURRENT_USER\\");
    EXPECT_EQ(GetHiveName(HKEY_LOCAL_MACHINE), "HKEY_LOCAL_MACHINE\\");
    EXPECT_EQ(GetHiveName(HKEY_USERS), "HKEY_UNKOWN?\\");
}
