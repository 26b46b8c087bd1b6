// The installer's own resources read from the built file: the dialog template, the icon, the
// version and the manifest asking for administrator rights.

#include "tests/driver/Process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// One control as the template holds it.
struct Item {
    int id;
    std::string className; // "BUTTON", "EDIT", "STATIC"
    std::string text;      // "#103" for a resource ordinal
    DWORD style;           // beyond WS_CHILD | WS_VISIBLE
    short x, y, cx, cy;
    bool operator==(const Item& other) const {
        return id == other.id && className == other.className && text == other.text &&
               style == other.style && x == other.x && y == other.y && cx == other.cx &&
               cy == other.cy;
    }
};

std::ostream& operator<<(std::ostream& out, const Item& item) {
    return out << item.id << " " << item.className << " \"" << item.text << "\" style 0x"
               << std::hex << item.style << std::dec << " (" << item.x << ", " << item.y << ", "
               << item.cx << ", " << item.cy << ")";
}

struct Template {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::string caption;
    WORD pointSize = 0;
    std::string font;
    std::vector<Item> items;
};

class Reader {
public:
    explicit Reader(const BYTE* at) : m_at(at) {}
    template <typename T> T Take() {
        T value;
        std::memcpy(&value, m_at, sizeof value);
        m_at += sizeof value;
        return value;
    }
    // A string or an ordinal (0xFFFF then the number), as "#number".
    std::string TakeNameOrOrdinal() {
        const WORD first = Take<WORD>();
        if (first == 0xFFFF)
            return "#" + std::to_string(Take<WORD>());
        std::string text;
        for (WORD c = first; c != 0; c = Take<WORD>())
            text += static_cast<char>(c);
        return text;
    }
    void AlignToDword(const BYTE* base) {
        while ((m_at - base) % 4 != 0)
            ++m_at;
    }

private:
    const BYTE* m_at;
};

// The control class in capitals, whether the template names it or gives its ordinal.
std::string ClassName(const std::string& nameOrOrdinal) {
    if (nameOrOrdinal == "#128")
        return "BUTTON";
    if (nameOrOrdinal == "#129")
        return "EDIT";
    if (nameOrOrdinal == "#130")
        return "STATIC";
    std::string name = nameOrOrdinal;
    for (char& c : name)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return name;
}

Template ParseTemplate(const BYTE* data) {
    Template result;
    Reader reader(data);
    result.style = reader.Take<DWORD>();
    reader.Take<DWORD>();
    const WORD count = reader.Take<WORD>();
    reader.Take<short>();
    reader.Take<short>();
    result.cx = reader.Take<short>();
    result.cy = reader.Take<short>();
    reader.TakeNameOrOrdinal(); // menu
    reader.TakeNameOrOrdinal(); // class
    result.caption = reader.TakeNameOrOrdinal();
    if (result.style & DS_SETFONT) {
        result.pointSize = reader.Take<WORD>();
        result.font = reader.TakeNameOrOrdinal();
    }
    for (WORD i = 0; i < count; ++i) {
        reader.AlignToDword(data);
        Item item{};
        item.style = reader.Take<DWORD>() & ~static_cast<DWORD>(WS_CHILD | WS_VISIBLE);
        reader.Take<DWORD>();
        item.x = reader.Take<short>();
        item.y = reader.Take<short>();
        item.cx = reader.Take<short>();
        item.cy = reader.Take<short>();
        item.id = static_cast<short>(reader.Take<WORD>());
        item.className = ClassName(reader.TakeNameOrOrdinal());
        item.text = reader.TakeNameOrOrdinal();
        const WORD extra = reader.Take<WORD>();
        for (WORD b = 0; b < extra; ++b)
            reader.Take<BYTE>();
        result.items.push_back(item);
    }
    return result;
}

class InstallerResources : public testing::Test {
protected:
    InstallerResources() {
        m_installer = LoadLibraryExA(testdriver::WindowsPathOf(ZEMBRA_INSTALLER_PATH).c_str(),
                                     nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~InstallerResources() override {
        if (m_installer != nullptr)
            FreeLibrary(m_installer);
    }

    std::string Resource(LPCSTR type, LPCSTR name) const {
        const HRSRC found = FindResourceA(m_installer, name, type);
        if (found == nullptr)
            return std::string();
        const HGLOBAL loaded = LoadResource(m_installer, found);
        return std::string(static_cast<const char*>(LockResource(loaded)),
                           SizeofResource(m_installer, found));
    }

    HMODULE m_installer = nullptr;
};

} // namespace

TEST_F(InstallerResources, DialogTemplate101) {
    ASSERT_NE(m_installer, nullptr);
    const std::string bytes = Resource(MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(101));
    ASSERT_FALSE(bytes.empty());
    const Template dialog = ParseTemplate(reinterpret_cast<const BYTE*>(bytes.data()));
    EXPECT_EQ(dialog.style,
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.cx, 234);
    EXPECT_EQ(dialog.cy, 110);
    EXPECT_EQ(dialog.font, "MS Sans Serif");
    EXPECT_EQ(dialog.pointSize, 8);
    const std::vector<Item> expected = {
        {IDOK, "BUTTON", "&Install", BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 85, 50, 14},
        {IDCANCEL, "BUTTON", "&Cancel", BS_PUSHBUTTON | WS_TABSTOP, 175, 85, 50, 14},
        {1003, "STATIC", "", SS_LEFT | WS_GROUP, 5, 5, 175, 20},
        {-1, "STATIC", "Choose path to install to:", SS_LEFT | WS_GROUP, 10, 40, 78, 8},
        {1001, "BUTTON", "&Browse...", BS_PUSHBUTTON | WS_TABSTOP, 175, 65, 50, 14},
        {-1, "STATIC", "#103", SS_ICON, 205, 5, 20, 20},
        {1002, "EDIT", "", ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 50, 215, 14},
        {-1, "BUTTON", "Installation Options", BS_GROUPBOX, 5, 25, 225, 80},
    };
    EXPECT_EQ(dialog.items, expected);
}

TEST_F(InstallerResources, IconOfTheDialogAndTheProgram) {
    ASSERT_NE(m_installer, nullptr);
    EXPECT_FALSE(Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(103)).empty());
    EXPECT_NE(LoadImageA(m_installer, MAKEINTRESOURCEA(103), IMAGE_ICON, 32, 32, 0), nullptr);
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
// each of the three programs an installation brings.
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
        EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
        EXPECT_EQ(fixed->dwFileVersionLS, 0u);
        EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
        EXPECT_EQ(fixed->dwProductVersionLS, 0u);
        EXPECT_EQ(VersionString(info, "ProductName"), "Zembra");
        EXPECT_EQ(VersionString(info, "ProductVersion"), "1.0");
        EXPECT_EQ(VersionString(info, "FileVersion"), "1.0");
        EXPECT_EQ(VersionString(info, "OriginalFilename"), program.originalName);
        const std::string description = VersionString(info, "FileDescription");
        if (program.description != nullptr) {
            EXPECT_EQ(description, program.description);
        }
        EXPECT_FALSE(description.empty() || description == "<missing>");

        const HMODULE file = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(file, nullptr);
        const HRSRC found = FindResourceA(file, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
        const std::string manifest =
            found == nullptr
                ? std::string()
                : std::string(static_cast<const char*>(LockResource(LoadResource(file, found))),
                              SizeofResource(file, found));
        FreeLibrary(file);
        EXPECT_NE(manifest.find(std::string("<requestedExecutionLevel level=\"") +
                                program.executionLevel + "\""),
                  std::string::npos)
            << manifest;
    }
}
