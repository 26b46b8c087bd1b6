// The uninstaller's removal steps one by one, against Wine's real file system and registry: what
// each deletes, what it reports and when it marks the removal incomplete.

#include "support/ShowMessage.h"
#include "support/core/ProductInfo.h"
#include "tests/uninstall/Installation.h"
#include "uninstaller/Uninstaller.h"

#include <gtest/gtest.h>

namespace {
int g_incompleteMarks = 0;
} // namespace

// The steps' report of a failure; the program's own marks its application object.
void MarkIncomplete() {
    ++g_incompleteMarks;
}

namespace uninstalltest {
namespace {

struct Shown {
    std::string text;
    std::string caption;
    unsigned type;
};
std::vector<Shown> g_shown;
int RecordMessage(const std::string& text, const std::string& caption, unsigned type) {
    g_shown.push_back({text, caption, type});
    return IDOK;
}

std::string SystemText(DWORD error) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0x400, reinterpret_cast<char*>(&buffer), 0, nullptr);
    const std::string text = length != 0 ? std::string(buffer, length) : std::string();
    LocalFree(buffer);
    return text;
}

std::string TempPath() {
    char buffer[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

class UninstallStepsTest : public testing::Test {
protected:
    UninstallStepsTest() {
        g_shown.clear();
        g_incompleteMarks = 0;
        SetMessageHandler(RecordMessage);
    }
    ~UninstallStepsTest() override { SetMessageHandler(nullptr); }

    RegistryGuard m_registry;
};

TEST_F(UninstallStepsTest, DeleteProductFileTellsAMissingFolderFromAMissingFile) {
    const std::string file = TempPath() + "Zembra step " + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(WriteFileBytes(file, "x"));
    const std::string missingFolderFile = TempPath() + "no such Zembra folder\\Help.htm";
    struct Case {
        std::string path;
        bool reported;
    };
    const Case cases[] = {
        {file, false},             // deleted
        {file, false},             // already gone: no error
        {missingFolderFile, true}, // the folder is missing: an error
    };
    for (const Case& c : cases) {
        g_shown.clear();
        g_incompleteMarks = 0;
        DeleteProductFile(c.path);
        EXPECT_FALSE(FileExists(c.path));
        EXPECT_EQ(g_incompleteMarks, c.reported ? 1 : 0) << c.path;
        ASSERT_EQ(g_shown.size(), c.reported ? 1u : 0u) << c.path;
        if (c.reported) {
            EXPECT_EQ(g_shown[0].text, "Could not delete file: \"" + c.path + "\"\n" +
                                           SystemText(ERROR_PATH_NOT_FOUND));
            EXPECT_EQ(g_shown[0].type, static_cast<unsigned>(MB_ICONERROR));
        }
    }
}

TEST_F(UninstallStepsTest, DeleteRegistryTreeRemovesNestedKeysAndCountsAMissingOneAsDeleted) {
    ASSERT_TRUE(WriteText(HKEY_CLASSES_ROOT, ".zembra\\ShellNew\\Deeper", "x", "y"));
    DeleteRegistryTree(HKEY_CLASSES_ROOT, ".zembra\\");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".zembra"));
    DeleteRegistryTree(HKEY_CLASSES_ROOT, ".zembra\\");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".zembra"));
    EXPECT_TRUE(g_shown.empty());
    EXPECT_EQ(g_incompleteMarks, 0);
}

TEST_F(UninstallStepsTest, DeleteRegistryTreeReportsAFailureWithTheRootsText) {
    // A path naming the root itself is refused rather than emptying the root.
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, "\\");
    ASSERT_EQ(g_shown.size(), 1u);
    EXPECT_EQ(g_shown[0].text, "Unable to delete registry key:\nHKEY_LOCAL_MACHINE\\\\\n" +
                                   SystemText(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(g_shown[0].type, static_cast<unsigned>(MB_ICONERROR));
    EXPECT_EQ(g_incompleteMarks, 1);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software"));
}

TEST_F(UninstallStepsTest, GetInstallPathReportsAMissingOrEmptyPath) {
    struct Case {
        const char* name;
        std::optional<std::string> stored;
        std::string path;
        std::optional<DWORD> reportedError;
    };
    const Case cases[] = {
        {"recorded", "C:\\Zembra here\\", "C:\\Zembra here\\", std::nullopt},
        {"without its backslash", "C:\\Zembra here", "C:\\Zembra here\\", std::nullopt},
        {"empty", "", "", ERROR_SUCCESS},
        {"missing", std::nullopt, "", ERROR_FILE_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_shown.clear();
        g_incompleteMarks = 0;
        DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Zembra");
        if (c.stored) {
            ASSERT_TRUE(WriteText(HKEY_LOCAL_MACHINE, "Software\\Zembra", "Path", *c.stored));
        }
        EXPECT_EQ(GetInstallPath(), c.path);
        EXPECT_EQ(g_incompleteMarks, c.reportedError ? 1 : 0);
        ASSERT_EQ(g_shown.size(), c.reportedError ? 1u : 0u);
        if (c.reportedError) {
            EXPECT_EQ(g_shown[0].text, "Program installation path could not be found.\n" +
                                           SystemText(*c.reportedError));
            EXPECT_EQ(g_shown[0].type, static_cast<unsigned>(MB_ICONERROR));
        }
    }
}

// The program file's resources as the system and Explorer read them.
class UninstallerFile : public testing::Test {
protected:
    UninstallerFile()
        : m_module(
              LoadLibraryExA(BuiltUninstallerPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~UninstallerFile() override {
        if (m_module)
            FreeLibrary(m_module);
    }

    std::string Resource(LPCSTR type, LPCSTR name) const {
        const HRSRC found = FindResourceA(m_module, name, type);
        if (!found)
            return std::string();
        const HGLOBAL loaded = LoadResource(m_module, found);
        const auto* bytes = static_cast<const char*>(LockResource(loaded));
        return bytes ? std::string(bytes, SizeofResource(m_module, found)) : std::string();
    }

    HMODULE m_module;
};

TEST_F(UninstallerFile, CarriesItsIconAManifestAskingForAdministratorAndItsVersion) {
    ASSERT_NE(m_module, nullptr);
    EXPECT_FALSE(Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(101)).empty());
    const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEA(1));
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos) << manifest;

    const std::string version = Resource(RT_VERSION, MAKEINTRESOURCEA(1));
    ASSERT_FALSE(version.empty());
    std::vector<char> copy(version.begin(), version.end());
    auto query = [&](const char* name) {
        char* text = nullptr;
        UINT length = 0;
        const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
        if (!VerQueryValueA(copy.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
            return std::string();
        return std::string(text);
    };
    EXPECT_EQ(query("ProductName"), "Zembra");
    EXPECT_EQ(query("ProductVersion"), "1.0");
    EXPECT_EQ(query("FileVersion"), "1.0");
    EXPECT_FALSE(query("FileDescription").empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(copy.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
}

} // namespace
} // namespace uninstalltest
