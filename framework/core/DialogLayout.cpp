#include "DialogLayout.h"

namespace {

constexpr std::uint32_t kSetFont = 0x40;             // DS_SETFONT
constexpr std::uint16_t kExtendedSignature = 0xFFFF; // after version 1, a DIALOGEX

// Little-endian fields in order; a read past the end leaves the reader failed.
class Fields {
public:
    Fields(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Failed() const { return m_failed; }

    std::uint16_t Word() { return static_cast<std::uint16_t>(Bytes(2)); }
    std::uint32_t Dword() { return static_cast<std::uint32_t>(Bytes(4)); }
    std::int16_t Short() { return static_cast<std::int16_t>(Word()); }

    DialogUnits Units() {
        DialogUnits units;
        units.x = Short();
        units.y = Short();
        units.cx = Short();
        units.cy = Short();
        return units;
    }

    // A zero-terminated UTF-16 text.
    std::u16string Text() {
        std::u16string text;
        for (std::uint16_t unit = Word(); unit != 0 && !m_failed; unit = Word())
            text += static_cast<char16_t>(unit);
        return text;
    }

    // A name or a number: nothing (0), 0xFFFF and a number, or a text.
    void SkipNameOrNumber() {
        const std::uint16_t first = Word();
        if (first == 0xFFFF)
            Word();
        else if (first != 0)
            Text();
    }

    void Skip(std::size_t count) {
        if (count > m_size - m_at) {
            m_failed = true;
            m_at = m_size;
            return;
        }
        m_at += count;
    }
    void AlignToDword() { Skip((4 - m_at % 4) % 4); }

private:
    std::uint64_t Bytes(std::size_t count) {
        std::uint64_t value = 0;
        if (count > m_size - m_at) {
            m_failed = true;
            m_at = m_size;
            return 0;
        }
        for (std::size_t i = 0; i < count; ++i)
            value |= static_cast<std::uint64_t>(m_data[m_at + i]) << (8 * i);
        m_at += count;
        return value;
    }

    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
    bool m_failed = false;
};

DialogLayoutItem ReadItem(Fields& fields, bool extended) {
    fields.AlignToDword();
    DialogLayoutItem item;
    if (extended) {
        fields.Skip(12); // help id, extended style, style
        item.units = fields.Units();
        item.id = fields.Dword();
    } else {
        fields.Skip(8); // style, extended style
        item.units = fields.Units();
        item.id = fields.Word();
    }
    fields.SkipNameOrNumber();  // class
    fields.SkipNameOrNumber();  // text
    fields.Skip(fields.Word()); // creation data
    return item;
}

} // namespace

std::optional<DialogLayout> ReadDialogLayout(const unsigned char* data, std::size_t size) {
    Fields fields(data, size);
    const std::uint16_t version = fields.Word();
    const std::uint16_t signature = fields.Word();
    const bool extended = version == 1 && signature == kExtendedSignature;
    std::uint32_t style = 0;
    if (extended) {
        fields.Skip(8); // help id, extended style
        style = fields.Dword();
    } else {
        style = version | static_cast<std::uint32_t>(signature) << 16;
        fields.Skip(4); // extended style
    }
    const std::uint16_t count = fields.Word();
    DialogLayout layout;
    layout.units = fields.Units();
    fields.SkipNameOrNumber(); // menu
    fields.SkipNameOrNumber(); // window class
    fields.Text();             // title
    if (style & kSetFont) {
        layout.fontPoints = fields.Word();
        if (extended)
            fields.Skip(4); // weight, italic, character set
        layout.fontFace = fields.Text();
    }
    for (std::uint16_t i = 0; i < count && !fields.Failed(); ++i)
        layout.items.push_back(ReadItem(fields, extended));
    if (fields.Failed())
        return std::nullopt;
    return layout;
}
