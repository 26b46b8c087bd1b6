// The known folders as the shell names them, against what the system tells each process about the
// same folders in its environment.

#include "framework/KnownFolder.h"
#include "tests/driver/Registry.h"

#include <gtest/gtest.h>

#include <knownfolders.h>
#include <string>

namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t buffer[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(name, buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

struct FolderCase {
    const char* what;
    const KNOWNFOLDERID* folder;
    const wchar_t* variable; // the environment's name for the folder (or its parent)
    const wchar_t* below;    // what follows the variable's folder
};

const FolderCase kFolders[] = {
    {"Program Files", &FOLDERID_ProgramFiles, L"ProgramFiles", L""},
    {"all users' desktop", &FOLDERID_PublicDesktop, L"PUBLIC", L"\\Desktop"},
    {"documents", &FOLDERID_Documents, L"USERPROFILE", nullptr},
};

TEST(KnownFolderTest, EachFolderIsAFullPathWithoutTrailingBackslashWhereTheSystemSaysItIs) {
    for (const FolderCase& row : kFolders) {
        SCOPED_TRACE(row.what);
        const std::wstring path = KnownFolderPath(*row.folder);
        ASSERT_GE(path.size(), 3u);
        EXPECT_EQ(path.substr(1, 2), L":\\");
        EXPECT_NE(path.back(), L'\\');
        const std::wstring base = Environment(row.variable);
        ASSERT_FALSE(base.empty());
        if (row.below != nullptr)
            EXPECT_EQ(path, base + row.below);
        else // the documents lie somewhere under the profile, by a name of the user's language
            EXPECT_EQ(path.compare(0, base.size() + 1, base + L"\\"), 0);
    }
}

// Where the system keeps the folders' places, and a folder moved there that does not exist.
TEST(KnownFolderTest, AFolderMovedElsewhereIsNamedThereEvenWhenItDoesNotExist) {
    const std::string versionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
    struct Moved {
        const char* what;
        const KNOWNFOLDERID* folder;
        std::string key;
        const char* name;
        DWORD type;
    };
    const Moved moved[] = {
        {"Program Files", &FOLDERID_ProgramFiles, versionKey, "ProgramFilesDir", REG_SZ},
        {"all users' desktop", &FOLDERID_PublicDesktop,
         versionKey + "\\Explorer\\User Shell Folders", "Common Desktop", REG_EXPAND_SZ},
    };
    const std::string elsewhere = "C:\\Zembra test folder that is not there";
    for (const Moved& row : moved) {
        SCOPED_TRACE(row.what);
        const testdriver::SavedValue saved(HKEY_LOCAL_MACHINE, row.key, row.name);
        ASSERT_TRUE(testdriver::SetValue(HKEY_LOCAL_MACHINE, row.key, row.name,
                                         {row.type, elsewhere + std::string(1, '\0')}));
        EXPECT_EQ(KnownFolderPath(*row.folder), std::wstring(elsewhere.begin(), elsewhere.end()));
    }
}

TEST(KnownFolderTest, AFolderTheSystemDoesNotKnowGivesNoPath) {
    const KNOWNFOLDERID unknown = {0x5a6b7c8d, 0x1e2f, 0x4a3b, {1, 2, 3, 4, 5, 6, 7, 8}};
    EXPECT_EQ(KnownFolderPath(unknown), L"");
}

} // namespace
