// Reading dialog templates out of a program file: the classic and the extended layout, each a
// header followed by DWORD-aligned items, with names given either as UTF-16 text or as a number.

#include "tests/driver/Resources.h"
#include "tests/driver/SystemText.h"

#include <algorithm>
#include <cstring>

namespace testdriver {

namespace {

// Reads the template's little-endian fields in order; any read past the end marks it failed.
class TemplateReader {
public:
    TemplateReader(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Failed() const { return m_failed; }

    template <typename T> T Read() {
        T value{};
        if (m_at + sizeof(T) > m_size) {
            m_failed = true;
            m_at = m_size;
            return value;
        }
        std::memcpy(&value, m_data + m_at, sizeof(T));
        m_at += sizeof(T);
        return value;
    }

    std::string ReadText() {
        std::wstring units;
        for (WCHAR unit = Read<WCHAR>(); unit && !m_failed; unit = Read<WCHAR>())
            units += unit;
        return AnsiText(units.data(), static_cast<int>(units.size()));
    }

    // A name or a number: 0x0000 is none, 0xFFFF is followed by the number, anything else
    // starts the text.
    void ReadNameOrNumber(std::string& text, int& number) {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            number = Read<WORD>();
            return;
        }
        if (first == 0)
            return;
        m_at -= sizeof(WORD);
        text = ReadText();
    }

    void AlignToDword() { m_at = (m_at + 3) & ~static_cast<std::size_t>(3); }
    void Skip(std::size_t bytes) {
        if (m_at + bytes > m_size)
            m_failed = true;
        m_at = std::min(m_at + bytes, m_size);
    }

private:
    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
    bool m_failed = false;
};

RECT ReadRect(TemplateReader& reader) {
    const LONG x = reader.Read<SHORT>();
    const LONG y = reader.Read<SHORT>();
    const LONG cx = reader.Read<SHORT>();
    const LONG cy = reader.Read<SHORT>();
    return {x, y, x + cx, y + cy};
}

std::string SystemClass(int atom) {
    switch (atom) {
    case 0x80:
        return "Button";
    case 0x81:
        return "Edit";
    case 0x82:
        return "Static";
    case 0x83:
        return "ListBox";
    case 0x84:
        return "ScrollBar";
    case 0x85:
        return "ComboBox";
    }
    return "#" + std::to_string(atom);
}

DialogItem ReadItem(TemplateReader& reader, bool extended) {
    reader.AlignToDword();
    DialogItem item;
    if (extended) {
        reader.Read<DWORD>(); // help id
        item.exStyle = reader.Read<DWORD>();
        item.style = reader.Read<DWORD>();
        item.units = ReadRect(reader);
        item.id = static_cast<int>(reader.Read<DWORD>());
    } else {
        item.style = reader.Read<DWORD>();
        item.exStyle = reader.Read<DWORD>();
        item.units = ReadRect(reader);
        item.id = static_cast<SHORT>(reader.Read<WORD>());
    }
    int classAtom = 0;
    reader.ReadNameOrNumber(item.className, classAtom);
    if (classAtom)
        item.className = SystemClass(classAtom);
    reader.ReadNameOrNumber(item.text, item.textId);
    reader.Skip(reader.Read<WORD>()); // creation data
    return item;
}

} // namespace

std::optional<DialogTemplate> ProgramResources::Dialog(UINT id) const {
    HRSRC found = FindResourceA(m_module.Get(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(m_module.Get(), found) : nullptr;
    const auto* data = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (!data)
        return std::nullopt;
    TemplateReader reader(data, SizeofResource(m_module.Get(), found));

    DialogTemplate dialog;
    const WORD version = reader.Read<WORD>();
    const WORD signature = reader.Read<WORD>();
    dialog.extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (dialog.extended) {
        reader.Read<DWORD>(); // help id
        dialog.exStyle = reader.Read<DWORD>();
        dialog.style = reader.Read<DWORD>();
    } else {
        dialog.style = static_cast<DWORD>(version) | (static_cast<DWORD>(signature) << 16);
        dialog.exStyle = reader.Read<DWORD>();
    }
    count = reader.Read<WORD>();
    dialog.units = ReadRect(reader);
    std::string menu, windowClass;
    int menuId = 0, classId = 0;
    reader.ReadNameOrNumber(menu, menuId);
    reader.ReadNameOrNumber(windowClass, classId);
    dialog.title = reader.ReadText();
    if (dialog.style & DS_SETFONT) {
        dialog.fontPoints = reader.Read<WORD>();
        if (dialog.extended) {
            reader.Read<WORD>(); // weight
            reader.Read<BYTE>(); // italic
            reader.Read<BYTE>(); // character set
        }
        dialog.fontFace = reader.ReadText();
    }
    for (WORD i = 0; i < count && !reader.Failed(); ++i)
        dialog.items.push_back(ReadItem(reader, dialog.extended));
    if (reader.Failed())
        return std::nullopt;
    return dialog;
}

} // namespace testdriver
