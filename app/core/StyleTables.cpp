#include "StyleTables.h"

#include "app/core/MessageBoxDesign.h"
#include "support/core/ValueFormat.h"

StyleTable::StyleTable(std::uint32_t id, std::uint32_t mask, std::vector<Entry> entries)
    : m_entries(std::move(entries)) {
    m_header.id = id;
    m_header.mask = mask;
    m_header.count = static_cast<std::uint32_t>(m_entries.size());
    if (!m_entries.empty()) {
        m_header.firstValue = m_entries.front().second;
        m_header.lastValue = m_entries.back().second;
    }
    for (const Entry& entry : m_entries)
        m_header.labelBytes += static_cast<std::uint32_t>(entry.first.size());
}

std::optional<std::uint32_t> StyleTable::FindValue(const std::string& label) const {
    for (const Entry& entry : m_entries)
        if (entry.first == label)
            return entry.second;
    return std::nullopt;
}

std::optional<std::string> StyleTable::FindLabel(std::uint32_t value) const {
    for (const Entry& entry : m_entries)
        if (entry.second == value)
            return entry.first;
    return std::nullopt;
}

std::string StyleTable::HeaderBits() const {
    return BitsToString(&m_header, sizeof(m_header), true);
}

CMaps::CMaps()
    : m_IconMap(1, 0xF0,
                {{"No Icon", 0x00},
                 {"Information", style::kIconInformation},
                 {"Warning", style::kIconWarning},
                 {"Question", style::kIconQuestion},
                 {"Error", style::kIconError}}),
      m_ButtonMap(2, 0x0F,
                  {{"OK", 0x0},
                   {"OK, Cancel", 0x1},
                   {"Yes, No", 0x4},
                   {"Yes, No, Cancel", 0x3},
                   {"Retry, Cancel", 0x5},
                   {"Abort, Retry, Ignore", 0x2}}),
      m_DefButtonMap(3, 0xF00, {{"Button 1", 0x000}, {"Button 2", 0x100}, {"Button 3", 0x200}}),
      m_ModalMap(4, 0x3000, {{"Normal", 0x2000}, {"System", 0x1000}}),
      m_NumButtonsMap(5, 0,
                      {{"OK", 1},
                       {"OK, Cancel", 2},
                       {"Yes, No", 2},
                       {"Yes, No, Cancel", 3},
                       {"Retry, Cancel", 2},
                       {"Abort, Retry, Ignore", 3}}) {}

std::string MissingLabelLine(const std::string& label, const StyleTable& table) {
    return "Error: The value " + label + " does not exist in the list box " + table.HeaderBits();
}

std::string MissingValueLine(std::uint32_t value, const StyleTable& table) {
    return "Error: The value " + UIntToString(value, 1) + " does not exist in the list box " +
           table.HeaderBits();
}
