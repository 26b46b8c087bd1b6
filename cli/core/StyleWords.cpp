#include "StyleWords.h"

#include "app/core/ButtonSets.h"

namespace cli {

namespace {

const StyleTable& TableOf(const CMaps& maps, StyleGroup group) {
    switch (group) {
    case StyleGroup::Icon:
        return maps.m_IconMap;
    case StyleGroup::Buttons:
        return maps.m_ButtonMap;
    case StyleGroup::Default:
        return maps.m_DefButtonMap;
    case StyleGroup::Priority:
        break;
    }
    return maps.m_ModalMap;
}

} // namespace

const char* OptionOf(StyleGroup group) {
    switch (group) {
    case StyleGroup::Icon:
        return "--icon";
    case StyleGroup::Buttons:
        return "--buttons";
    case StyleGroup::Default:
        return "--default";
    case StyleGroup::Priority:
        break;
    }
    return "--priority";
}

const std::vector<const char*>& WordsOf(StyleGroup group) {
    static const std::vector<const char*> icons = {"none", "information", "warning", "question",
                                                   "error"};
    static const std::vector<const char*> buttons = {
        "ok", "ok-cancel", "yes-no", "yes-no-cancel", "retry-cancel", "abort-retry-ignore"};
    static const std::vector<const char*> defaults = {"1", "2", "3"};
    static const std::vector<const char*> priorities = {"normal", "system"};
    switch (group) {
    case StyleGroup::Icon:
        return icons;
    case StyleGroup::Buttons:
        return buttons;
    case StyleGroup::Default:
        return defaults;
    case StyleGroup::Priority:
        break;
    }
    return priorities;
}

std::string WordList(StyleGroup group) {
    std::string list;
    for (const char* word : WordsOf(group))
        list += (list.empty() ? "" : ", ") + std::string(word);
    return list;
}

std::optional<std::uint32_t> ValueOfWord(const CMaps& maps, StyleGroup group,
                                         const std::string& word) {
    const std::vector<const char*>& words = WordsOf(group);
    const std::vector<StyleTable::Entry>& rows = TableOf(maps, group).Entries();
    for (std::size_t i = 0; i < words.size() && i < rows.size(); ++i)
        if (word == words[i])
            return rows[i].second;
    return std::nullopt;
}

std::uint32_t GroupBits(const CMaps& maps, StyleGroup group, std::uint32_t style) {
    return style & TableOf(maps, group).Mask();
}

// The word of the first row that holds the bits, as the editor shows that row's label.
std::optional<std::string> WordOfStyle(const CMaps& maps, StyleGroup group, std::uint32_t style) {
    const std::vector<const char*>& words = WordsOf(group);
    const std::vector<StyleTable::Entry>& rows = TableOf(maps, group).Entries();
    const std::uint32_t bits = GroupBits(maps, group, style);
    for (std::size_t i = 0; i < words.size() && i < rows.size(); ++i)
        if (rows[i].second == bits)
            return std::string(words[i]);
    return std::nullopt;
}

unsigned ButtonCount(const CMaps& maps, std::uint32_t buttons) {
    const std::optional<std::string> label = maps.m_ButtonMap.FindLabel(buttons);
    return label ? maps.m_NumButtonsMap.FindValue(*label).value_or(0) : 0;
}

std::string AnswerWordOf(std::uint32_t answer) {
    if (answer == kTimedOut)
        return "timeout";
    std::string word = WordOfNumber(answer);
    for (char& c : word)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return word;
}

std::optional<std::uint32_t> AnswerOfWord(const std::string& word) {
    if (word == AnswerWordOf(kTimedOut))
        return kTimedOut;
    for (std::uint32_t number = 1; !WordOfNumber(number).empty(); ++number)
        if (AnswerWordOf(number) == word)
            return number;
    return std::nullopt;
}

} // namespace cli
