#pragma once
// The words with which zembra-cli names the four groups of the style word. Each word stands for
// one label of the editor's style lists, and so for the value that label stands for.

#include "app/core/StyleTables.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cli {

enum class StyleGroup { Icon, Buttons, Default, Priority };

// The option that takes the group's words ("--icon").
const char* OptionOf(StyleGroup group);
// The group's words, one for each row of its style table and in the same order (which is the
// order the usage lists them in): the n-th word stands for the n-th label.
const std::vector<const char*>& WordsOf(StyleGroup group);
// The group's words joined for a message: "none, information, warning, question, error".
std::string WordList(StyleGroup group);

// The group's value for word; nothing when the group has no such word.
std::optional<std::uint32_t> ValueOfWord(const CMaps& maps, StyleGroup group,
                                         const std::string& word);
// The bits of style that belong to the group.
std::uint32_t GroupBits(const CMaps& maps, StyleGroup group, std::uint32_t style);
// The word for the group's bits in style; nothing when no word names them.
std::optional<std::string> WordOfStyle(const CMaps& maps, StyleGroup group, std::uint32_t style);
// A countdown's answer in the words --answer takes: a button's word in lower case ("no"), or
// "timeout" for timed out.
std::string AnswerWordOf(std::uint32_t answer);
// The answer a word stands for; nothing when it is no answer's word.
std::optional<std::uint32_t> AnswerOfWord(const std::string& word);

// The number of buttons of a button set's value (0 for a value that is no button set).
unsigned ButtonCount(const CMaps& maps, std::uint32_t buttons);

} // namespace cli
