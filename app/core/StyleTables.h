#pragma once
// The labels of the editor's four style lists and the values they stand for in the style word,
// plus the number of buttons of each button set. Labels match exactly (case-sensitive, whole
// text); within a style table each value has one label.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class StyleTable {
public:
    using Entry = std::pair<std::string, std::uint32_t>;

    StyleTable(std::uint32_t id, std::uint32_t mask, std::vector<Entry> entries);

    std::optional<std::uint32_t> FindValue(const std::string& label) const;
    // The label of the first entry holding value.
    std::optional<std::string> FindLabel(std::uint32_t value) const;
    const std::vector<Entry>& Entries() const { return m_entries; }
    // The style-word bits the table's values occupy.
    std::uint32_t Mask() const { return m_header.mask; }

    // The table's 28-byte header as "[224-bit] = " and its 224 bits, for failure lines.
    std::string HeaderBits() const;

private:
    // Which table, the style-word bits it owns, its size: what a failure line shows of it.
    struct Header {
        std::uint32_t id;
        std::uint32_t mask;
        std::uint32_t count;
        std::uint32_t firstValue;
        std::uint32_t lastValue;
        std::uint32_t labelBytes;
        std::uint32_t reserved;
    };
    static_assert(sizeof(Header) == 28, "the header is rendered as 28 bytes");

    Header m_header{};
    std::vector<Entry> m_entries;
};

// The five tables of the editor form, filled in this order.
struct CMaps {
    CMaps();

    StyleTable m_IconMap;
    StyleTable m_ButtonMap;
    StyleTable m_DefButtonMap;
    StyleTable m_ModalMap;
    StyleTable m_NumButtonsMap;
};

// The log lines of a failed lookup.
std::string MissingLabelLine(const std::string& label, const StyleTable& table);
std::string MissingValueLine(std::uint32_t value, const StyleTable& table);
