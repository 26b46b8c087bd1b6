// The log settings against the user's real registry key, restored after each test.

#include "log/LogFileSettings.h"
#include "framework/ModulePath.h"
#include "tests/driver/Registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const char* const kKey = "Software\\Zembra\\";

class LogFileSettingsTest : public testing::Test {
protected:
    LogFileSettingsTest() {
        for (const char* name : {"bOutputLog", "LogPath", "nMaxLogSize"}) {
            m_saved.push_back(
                std::make_unique<testdriver::SavedValue>(HKEY_CURRENT_USER, kKey, name));
            testdriver::DeleteValue(HKEY_CURRENT_USER, kKey, name);
        }
    }

    static void Set(const char* name, const std::string& text) {
        ASSERT_TRUE(testdriver::SetString(HKEY_CURRENT_USER, kKey, name, text));
    }
    static LogFileSettings Loaded() {
        LogFileSettings settings;
        settings.Load();
        return settings;
    }

private:
    std::vector<std::unique_ptr<testdriver::SavedValue>> m_saved;
};

} // namespace

TEST_F(LogFileSettingsTest, FreshProfileGivesTheDefaults) {
    const LogFileSettings settings = Loaded();
    EXPECT_FALSE(settings.bOutputLog);
    EXPECT_EQ(settings.LogPath, GetProgramDirectory() + "Log.txt");
    EXPECT_EQ(settings.nMaxLogSize, 65536u);
}

TEST_F(LogFileSettingsTest, SavedSettingsReadBackAndAreStoredAsText) {
    LogFileSettings settings;
    settings.bOutputLog = true;
    settings.LogPath = "C:\\Logs\\zembra.txt";
    settings.nMaxLogSize = 0;
    settings.Save();
    EXPECT_EQ(testdriver::GetString(HKEY_CURRENT_USER, kKey, "bOutputLog"), "True");
    EXPECT_EQ(testdriver::GetString(HKEY_CURRENT_USER, kKey, "LogPath"), "C:\\Logs\\zembra.txt");
    EXPECT_EQ(testdriver::GetString(HKEY_CURRENT_USER, kKey, "nMaxLogSize"), "0");
    const LogFileSettings loaded = Loaded();
    EXPECT_TRUE(loaded.bOutputLog);
    EXPECT_EQ(loaded.LogPath, settings.LogPath);
    EXPECT_EQ(loaded.nMaxLogSize, 0u);

    settings.bOutputLog = false;
    settings.nMaxLogSize = 4294967295u;
    settings.Save();
    EXPECT_EQ(testdriver::GetString(HKEY_CURRENT_USER, kKey, "bOutputLog"), "False");
    EXPECT_EQ(testdriver::GetString(HKEY_CURRENT_USER, kKey, "nMaxLogSize"), "4294967295");
}

TEST_F(LogFileSettingsTest, StoredTextsFollowTheTextRules) {
    const std::pair<const char*, std::uint32_t> sizes[] = {
        {"2048 bytes", 2048u}, {"-1", 4294967295u}, {"99999999999", 4294967295u},
        {"letters", 0u},       {"  17", 17u},
    };
    for (const auto& [text, expected] : sizes) {
        Set("nMaxLogSize", text);
        EXPECT_EQ(Loaded().nMaxLogSize, expected) << text;
    }
    for (const char* text : {"true", "TRUE", "1", "Yes"}) {
        Set("bOutputLog", text);
        EXPECT_FALSE(Loaded().bOutputLog) << text;
    }
    // An empty path is stored with no bytes at all and therefore reads as the default.
    LogFileSettings settings = Loaded();
    settings.LogPath.clear();
    settings.Save();
    EXPECT_EQ(Loaded().LogPath, GetProgramDirectory() + "Log.txt");
}
