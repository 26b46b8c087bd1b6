#include "DesignView.h"

#include "cli/core/DocumentRead.h"
#include "cli/core/StyleWords.h"
#include "support/core/VersionText.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace cli {

namespace {

constexpr StyleGroup kGroups[] = {StyleGroup::Icon, StyleGroup::Buttons, StyleGroup::Default,
                                  StyleGroup::Priority};

// The JSON name of a group: its option without the dashes.
const char* NameOf(StyleGroup group) {
    return OptionOf(group) + 2;
}

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

void AddLine(std::string& out, const char* name, const std::string& value) {
    std::string line = name;
    if (!value.empty())
        line += std::string(10 - line.size(), ' ') + value;
    out += line + "\n";
}

} // namespace

std::string DesignJson(const DesignView& view, const CMaps& maps) {
    nlohmann::ordered_json json;
    json["version"] = view.version;
    json["caption"] = view.caption;
    json["text"] = view.text;
    for (const StyleGroup group : kGroups) {
        const std::optional<std::string> word = WordOfStyle(maps, group, view.style);
        if (!word)
            json[NameOf(group)] = nullptr;
        else if (group == StyleGroup::Default)
            json[NameOf(group)] = (*word)[0] - '0';
        else
            json[NameOf(group)] = *word;
    }
    json["style"] = view.style;
    if (view.buttonTexts.empty())
        json["buttonTexts"] = nullptr;
    else
        json["buttonTexts"] = view.buttonTexts;
    if (!view.countdown) {
        json["countdown"] = nullptr;
    } else {
        json["countdown"]["seconds"] = view.countdown->seconds;
        json["countdown"]["answer"] = AnswerWordOf(view.countdown->answer);
    }
    return json.dump(2) + "\n";
}

std::string DesignText(const DesignView& view, const CMaps& maps) {
    std::string out;
    AddLine(out, "version", ExactVersionText(view.version));
    AddLine(out, "caption", view.caption);
    std::size_t begin = 0;
    const char* name = "text";
    do {
        std::size_t end = view.text.find('\n', begin);
        std::string line = view.text.substr(begin, end == std::string::npos ? end : end - begin);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        AddLine(out, name, line);
        name = "";
        begin = end == std::string::npos ? end : end + 1;
    } while (begin != std::string::npos);
    for (const StyleGroup group : kGroups) {
        const std::optional<std::string> word = WordOfStyle(maps, group, view.style);
        AddLine(out, NameOf(group),
                word ? *word
                     : "bits " + Hex(GroupBits(maps, group, view.style), 4) +
                           ", which no word names");
    }
    AddLine(out, "style", Hex(view.style, 8));
    const char* wordsName = "words";
    for (const std::string& word : view.buttonTexts) {
        AddLine(out, wordsName, word);
        wordsName = "";
    }
    if (view.countdown)
        AddLine(out, "countdown",
                std::to_string(view.countdown->seconds) + " seconds, then " +
                    AnswerWordOf(view.countdown->answer));
    return out;
}

} // namespace cli
