#include "tests/driver/Resources.h"
#include "tests/driver/SystemText.h"

#include <utility>

namespace testdriver {

namespace {

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

std::string ProgramResources::Bytes(LPCSTR type, LPCSTR name) const {
    const HRSRC found = FindResourceA(m_module.Get(), name, type);
    const HGLOBAL loaded = found ? LoadResource(m_module.Get(), found) : nullptr;
    const auto* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return data ? std::string(data, SizeofResource(m_module.Get(), found)) : std::string();
}

std::optional<std::string> ProgramResources::String(UINT id) const {
    // Strings are kept in blocks of sixteen, each a length and that many UTF-16 units; a missing
    // string has length 0.
    HRSRC found = FindResourceA(m_module.Get(), MAKEINTRESOURCEA(id / 16 + 1), MAKEINTRESOURCEA(6));
    HGLOBAL loaded = found ? LoadResource(m_module.Get(), found) : nullptr;
    const auto* units = loaded ? static_cast<const WCHAR*>(LockResource(loaded)) : nullptr;
    if (!units)
        return std::nullopt;
    for (UINT i = 0; i < id % 16; ++i)
        units += 1 + *units;
    if (*units == 0)
        return std::nullopt;
    return AnsiText(units + 1, *units);
}

std::optional<std::vector<MenuEntry>> ProgramResources::Menu(UINT id) const {
    const MenuHandle menu(LoadMenuA(m_module.Get(), MAKEINTRESOURCEA(id)));
    if (!menu.Get())
        return std::nullopt;
    return EntriesOf(menu.Get());
}

std::optional<std::vector<Accelerator>> ProgramResources::Accelerators(UINT id) const {
    const AcceleratorHandle table(LoadAcceleratorsA(m_module.Get(), MAKEINTRESOURCEA(id)));
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
