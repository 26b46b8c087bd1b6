// The installer's own resources read from the built file: the dialog template, the icon, the
// version and the manifest asking for administrator rights; and what every program's manifest
// asks of the system.

#include "tests/driver/Control.h"
#include "tests/driver/Manifest.h"
#include "tests/install/InstallerImage.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class InstallerResources : public InstallerImage {};

} // namespace

TEST_F(InstallerResources, DialogTemplate101) {
    const auto dialog = m_installer->Dialog(101);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(dialog->style,
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog->units.right - dialog->units.left, 234);
    EXPECT_EQ(dialog->units.bottom - dialog->units.top, 110);
    EXPECT_EQ(dialog->fontFace, "MS Sans Serif");
    EXPECT_EQ(dialog->fontPoints, 8);
    struct Expected {
        int id;
        const char* className;
        const char* text;
        int textId;
        DWORD style; // beyond WS_CHILD and WS_VISIBLE
        RECT units;  // left, top, right, bottom
    };
    const Expected expected[] = {
        {IDOK, "Button", "&Install", 0, BS_DEFPUSHBUTTON | WS_TABSTOP, {120, 85, 170, 99}},
        {IDCANCEL, "Button", "&Cancel", 0, BS_PUSHBUTTON | WS_TABSTOP, {175, 85, 225, 99}},
        {1003, "Static", "", 0, SS_LEFT | WS_GROUP, {5, 5, 180, 25}},
        {-1, "Static", "Choose path to install to:", 0, SS_LEFT | WS_GROUP, {10, 40, 88, 48}},
        {1001, "Button", "&Browse...", 0, BS_PUSHBUTTON | WS_TABSTOP, {175, 65, 225, 79}},
        {-1, "Static", "", 103, SS_ICON, {205, 5, 225, 25}},
        {1002, "Edit", "", 0, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {10, 50, 225, 64}},
        {-1, "Button", "Installation Options", 0, BS_GROUPBOX, {5, 25, 230, 105}},
    };
    ASSERT_EQ(dialog->items.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const testdriver::DialogItem& item = dialog->items[i];
        const Expected& want = expected[i];
        SCOPED_TRACE("control " + std::to_string(i) + ": " + want.text);
        EXPECT_EQ(static_cast<short>(item.id), want.id);
        EXPECT_STRCASEEQ(item.className.c_str(), want.className);
        EXPECT_EQ(item.text, want.text);
        EXPECT_EQ(item.textId, want.textId);
        EXPECT_EQ(item.style & ~static_cast<DWORD>(WS_CHILD | WS_VISIBLE), want.style);
        EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(testdriver::EdgesOf(item.units), testdriver::EdgesOf(want.units));
    }
}

TEST_F(InstallerResources, IconOfTheDialogAndTheProgram) {
    EXPECT_FALSE(m_installer->Bytes(RT_GROUP_ICON, MAKEINTRESOURCEA(103)).empty());
    EXPECT_NE(LoadImageA(m_installer->Module(), MAKEINTRESOURCEA(103), IMAGE_ICON, 32, 32, 0),
              nullptr);
}

namespace {

struct Program {
    const char* path;
    const char* description;
    const char* originalName;
    const char* executionLevel;
};

const Program kPrograms[] = {
    {ZEMBRA_INSTALLER_PATH, "Zembra installer", "Install Zembra 1.0.exe", "requireAdministrator"},
    {ZEMBRA_UNINSTALLER_PATH, nullptr, "Uninstall.exe", "requireAdministrator"},
    {ZEMBRA_EXE_PATH, nullptr, "Zembra.exe", "asInvoker"},
    {ZEMBRA_CLI_PATH, "Zembra documents and message boxes from scripts", "zembra-cli.exe",
     "asInvoker"},
};

// The supported-OS ids of Windows 7, 8, 8.1 and 10 (which 11 shares).
const GUID kSupportedSystems[] = {
    {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}},
    {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}},
    {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}},
    {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}},
};

std::string VersionString(const std::vector<char>& info, const std::string& name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string query = "\\StringFileInfo\\040904B0\\" + name;
    if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&text), &length))
        return "<missing>";
    return text;
}

} // namespace

// What a user sees in the file's properties and what the system asks before starting it, for
// each of the four programs an installation brings.
TEST(ProgramFiles, NameTheProductVersionAndRightsTheyNeed) {
    for (const Program& program : kPrograms) {
        const std::string path = testdriver::WindowsPathOf(program.path);
        SCOPED_TRACE(path);
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        ASSERT_NE(size, 0u);
        std::vector<char> info(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ((std::vector<DWORD>{fixed->dwFileVersionMS, fixed->dwFileVersionLS,
                                      fixed->dwProductVersionMS, fixed->dwProductVersionLS}),
                  (std::vector<DWORD>{0x00010000u, 0u, 0x00010000u, 0u}));
        EXPECT_EQ(VersionString(info, "ProductName"), "Zembra");
        EXPECT_EQ(VersionString(info, "ProductVersion"), "1.0");
        EXPECT_EQ(VersionString(info, "FileVersion"), "1.0");
        EXPECT_EQ(VersionString(info, "OriginalFilename"), program.originalName);
        const std::string description = VersionString(info, "FileDescription");
        if (program.description != nullptr) {
            EXPECT_EQ(description, program.description);
        }
        EXPECT_FALSE(description.empty() || description == "<missing>");

        const auto file = testdriver::ProgramResources::Load(path);
        ASSERT_TRUE(file.has_value());
        const std::string manifest = file->Bytes(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
        EXPECT_NE(manifest.find(std::string("<requestedExecutionLevel level=\"") +
                                program.executionLevel + "\""),
                  std::string::npos)
            << manifest;
    }
}

// What the system reads from each program's manifest when it starts it besides the rights it
// needs: each display's own DPI (so nothing is stretched into a blur) and the systems it is made
// for. (That it gets today's common controls the programs show by loading them.)
TEST(ProgramFiles, ManifestsAskForEachDisplaysDpiAndNameTheirSystems) {
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.originalName);
        const auto manifest = testdriver::ReadManifest(testdriver::WindowsPathOf(program.path));
        ASSERT_TRUE(manifest.has_value()) << "the system cannot read the manifest";
        EXPECT_EQ(manifest->dpiAwareness, "PerMonitorV2, PerMonitor");
        EXPECT_EQ(manifest->dpiAware, "true/pm");
        ASSERT_EQ(manifest->supportedOS.size(), std::size(kSupportedSystems));
        for (std::size_t i = 0; i < std::size(kSupportedSystems); ++i) {
            EXPECT_TRUE(IsEqualGUID(manifest->supportedOS[i], kSupportedSystems[i])) << i;
        }
    }
}
