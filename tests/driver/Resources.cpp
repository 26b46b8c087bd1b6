#include "tests/driver/Resources.h"

#include <utility>

namespace testdriver {

namespace {

// A menu loaded from the file, destroyed with DestroyMenu.
class LoadedMenu {
public:
    LoadedMenu(HMODULE module, UINT id) : m_menu(LoadMenuA(module, MAKEINTRESOURCEA(id))) {}
    LoadedMenu(const LoadedMenu&) = delete;
    LoadedMenu& operator=(const LoadedMenu&) = delete;
    ~LoadedMenu() {
        if (m_menu)
            DestroyMenu(m_menu);
    }
    HMENU Get() const { return m_menu; }

private:
    HMENU m_menu;
};

// An accelerator table loaded from the file, destroyed with DestroyAcceleratorTable.
class LoadedAccelerators {
public:
    LoadedAccelerators(HMODULE module, UINT id)
        : m_table(LoadAcceleratorsA(module, MAKEINTRESOURCEA(id))) {}
    LoadedAccelerators(const LoadedAccelerators&) = delete;
    LoadedAccelerators& operator=(const LoadedAccelerators&) = delete;
    ~LoadedAccelerators() {
        if (m_table)
            DestroyAcceleratorTable(m_table);
    }
    HACCEL Get() const { return m_table; }

private:
    HACCEL m_table;
};

std::vector<MenuEntry> EntriesOf(HMENU menu) {
    std::vector<MenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof(text) - 1;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info))
            continue;
        MenuEntry entry;
        entry.separator = (info.fType & MFT_SEPARATOR) != 0;
        entry.text = entry.separator ? "" : text;
        entry.state = info.fState;
        if (info.hSubMenu)
            entry.items = EntriesOf(info.hSubMenu);
        else
            entry.id = info.wID;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace

std::optional<ProgramResources> ProgramResources::Load(const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return std::nullopt;
    return ProgramResources(module);
}

ProgramResources::ProgramResources(ProgramResources&& other) noexcept
    : m_module(std::exchange(other.m_module, nullptr)) {}

ProgramResources& ProgramResources::operator=(ProgramResources&& other) noexcept {
    if (this != &other) {
        if (m_module)
            FreeLibrary(m_module);
        m_module = std::exchange(other.m_module, nullptr);
    }
    return *this;
}

ProgramResources::~ProgramResources() {
    if (m_module)
        FreeLibrary(m_module);
}

std::optional<std::string> ProgramResources::String(UINT id) const {
    // Strings are kept in blocks of sixteen, each a length and that many UTF-16 units; a missing
    // string has length 0.
    HRSRC found = FindResourceA(m_module, MAKEINTRESOURCEA(id / 16 + 1), MAKEINTRESOURCEA(6));
    HGLOBAL loaded = found ? LoadResource(m_module, found) : nullptr;
    const auto* units = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
    if (!units)
        return std::nullopt;
    for (UINT i = 0; i < id % 16; ++i)
        units += 1 + *units;
    const int length = *units;
    if (length == 0)
        return std::nullopt;
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, units + 1, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, units + 1, length, &text[0], bytes, nullptr, nullptr);
    return text;
}

std::optional<std::vector<MenuEntry>> ProgramResources::Menu(UINT id) const {
    LoadedMenu menu(m_module, id);
    if (!menu.Get())
        return std::nullopt;
    return EntriesOf(menu.Get());
}

std::optional<std::vector<Accelerator>> ProgramResources::Accelerators(UINT id) const {
    LoadedAccelerators table(m_module, id);
    if (!table.Get())
        return std::nullopt;
    const int count = CopyAcceleratorTableA(table.Get(), nullptr, 0);
    std::vector<ACCEL> entries(static_cast<std::size_t>(count));
    CopyAcceleratorTableA(table.Get(), entries.data(), count);
    std::vector<Accelerator> accelerators;
    for (const ACCEL& entry : entries)
        accelerators.push_back({entry.fVirt, entry.key, entry.cmd});
    return accelerators;
}

} // namespace testdriver
