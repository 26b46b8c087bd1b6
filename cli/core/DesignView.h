#pragma once
// What show prints of a document: its version, caption, text and style word, the style's groups
// in the words of the options. A group whose bits no word names shows as null (JSON) or as its
// bits (text).

#include "app/core/BoxExtras.h"
#include "app/core/StyleTables.h"

#include <cstdint>
#include <string>

namespace cli {

struct DesignView {
    double version = 0;
    std::string caption; // UTF-8
    std::string text;    // UTF-8, line breaks as stored
    std::uint32_t style = 0;
    std::vector<std::string> buttonTexts; // UTF-8; empty when the design has none
    std::optional<Countdown> countdown;
};

// One JSON object: version, caption, text, icon, buttons, default, priority, style, buttonTexts
// (an array or null) and countdown ({"seconds", "answer"} or null).
std::string DesignJson(const DesignView& view, const CMaps& maps);
// One "name  value" line per field; the caption's and the text's lines below each other (a line
// ends at LF or CR LF), and so the words; a design without words or countdown shows neither line.
// Every other control character of a caption, text or word, a lone CR among them, shows as "\x1B"
// (two upper-case hex digits of the code point, "\x9B" for U+009B); a tab stays.
std::string DesignText(const DesignView& view, const CMaps& maps);

} // namespace cli
