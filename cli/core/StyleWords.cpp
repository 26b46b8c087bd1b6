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

const std::vector<StyleWord>& WordsOf(StyleGroup group) {
    static const std::vector<StyleWord> icons = {{"none", "No Icon"},
                                                 {"information", "Information"},
                                                 {"warning", "Warning"},
                                                 {"question", "Question"},
                                                 {"error", "Error"}};
    static const std::vector<StyleWord> buttons = {{"ok", "OK"},
                                                   {"ok-cancel", "OK, Cancel"},
                                                   {"yes-no", "Yes, No"},
                                                   {"yes-no-cancel", "Yes, No, Cancel"},
                                                   {"retry-cancel", "Retry, Cancel"},
                                                   {"abort-retry-ignore", "Abort, Retry, Ignore"}};
    static const std::vector<StyleWord> defaults = {
        {"1", "Button 1"}, {"2", "Button 2"}, {"3", "Button 3"}};
    static const std::vector<StyleWord> priorities = {{"normal", "Normal"}, {"system", "System"}};
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
    for (const StyleWord& word : WordsOf(group))
        list += (list.empty() ? "" : ", ") + std::string(word.word);
    return list;
}

std::optional<std::uint32_t> ValueOfWord(const CMaps& maps, StyleGroup group,
                                         const std::string& word) {
    for (const StyleWord& candidate : WordsOf(group))
        if (word == candidate.word)
            return TableOf(maps, group).FindValue(candidate.label);
    return std::nullopt;
}

std::uint32_t GroupBits(const CMaps& maps, StyleGroup group, std::uint32_t style) {
    return style & TableOf(maps, group).Mask();
}

std::optional<std::string> WordOfStyle(const CMaps& maps, StyleGroup group, std::uint32_t style) {
    const std::optional<std::string> label =
        TableOf(maps, group).FindLabel(GroupBits(maps, group, style));
    if (label)
        for (const StyleWord& candidate : WordsOf(group))
            if (*label == candidate.label)
                return std::string(candidate.word);
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
