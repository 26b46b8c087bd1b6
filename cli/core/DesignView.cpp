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

// A string of the document as the terminal may print it: each control character (U+0000 to
// U+001F, U+007F and U+0080 to U+009F) as "\x" and two upper-case hex digits of its code point,
// so that no string can move the cursor or start an escape sequence; a tab stays.
std::string Printable(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        unsigned code = static_cast<unsigned char>(utf8[i]);
        // U+0080 to U+009F are C2 80 to C2 9F in UTF-8.
        if (code == 0xC2 && i + 1 < utf8.size()) {
            const unsigned next = static_cast<unsigned char>(utf8[i + 1]);
            if (next >= 0x80 && next <= 0x9F) {
                code = next;
                ++i;
            }
        }
        if ((code < 0x20 && code != '\t') || (code >= 0x7F && code <= 0x9F)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", code);
            out += escape;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

void AddLine(std::string& out, const char* name, const std::string& value) {
    std::string line = name;
    if (!value.empty())
        line += std::string(10 - line.size(), ' ') + Printable(value);
    out += line + "\n";
}

// A caption's or a text's lines below each other: a line ends at a line feed, with the carriage
// return before it, as the box breaks its lines; a carriage return alone is a control character.
void AddLines(std::string& out, const char* name, const std::string& value) {
    std::size_t begin = 0;
    do {
        const std::size_t end = value.find('\n', begin);
        std::string line = value.substr(begin, end == std::string::npos ? end : end - begin);
        if (end != std::string::npos && !line.empty() && line.back() == '\r')
            line.pop_back();
        AddLine(out, name, line);
        name = "";
        begin = end == std::string::npos ? end : end + 1;
    } while (begin != std::string::npos);
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
    AddLines(out, "caption", view.caption);
    AddLines(out, "text", view.text);
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
