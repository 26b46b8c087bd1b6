#pragma once
// zembra-cli new: options and the bytes the document format gives for them. The Linux program,
// the Windows program and the portable core are all held to this one table.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace clitest {

struct NewCase {
    std::vector<std::string> options;
    std::uint32_t style;
    // A string record in hex (length form and bytes); empty for an empty string.
    std::string caption = "";
    std::string text = "";
};

inline std::string Repeat(const std::string& hex, std::size_t times) {
    std::string all;
    for (std::size_t i = 0; i < times; ++i)
        all += hex;
    return all;
}

inline const std::vector<NewCase>& NewCases() {
    static const std::vector<NewCase> cases = {
        {{}, 0x2000},
        {{"--icon", "none"}, 0x2000},
        {{"--icon", "information"}, 0x2040},
        {{"--icon", "warning"}, 0x2030},
        {{"--icon", "question"}, 0x2020},
        {{"--icon", "error"}, 0x2010},
        {{"--buttons", "ok"}, 0x2000},
        {{"--buttons", "ok-cancel"}, 0x2001},
        {{"--buttons", "yes-no"}, 0x2004},
        {{"--buttons", "yes-no-cancel"}, 0x2003},
        {{"--buttons", "retry-cancel"}, 0x2005},
        {{"--buttons", "abort-retry-ignore"}, 0x2002},
        {{"--buttons", "ok", "--default", "1"}, 0x2000},
        {{"--buttons", "ok-cancel", "--default", "2"}, 0x2101},
        {{"--buttons", "abort-retry-ignore", "--default", "3"}, 0x2202},
        {{"--priority", "normal"}, 0x2000},
        {{"--priority", "system"}, 0x1000},
        {{"--priority=system", "--icon=warning", "--buttons=yes-no", "--default=2"}, 0x1134},
        {{"--caption", "abc"}, 0x2000, "03616263"},
        {{"--caption", "Backup", "--text", "Start now?", "--icon", "question", "--buttons",
          "yes-no-cancel"},
         0x2023,
         "064261636b7570",
         "0a5374617274206e6f773f"},
        // A line feed is stored as CR LF; a CR LF stays as it is.
        {{"--text", "a\nb"}, 0x2000, "", "04610d0a62"},
        {{"--text", "a\r\nb\n"}, 0x2000, "", "06610d0a620d0a"},
        // Windows-1252, the code page of Windows in the West and of the Linux program.
        {{"--caption", "Caf\xc3\xa9 \xe2\x82\xac"}, 0x2000, "06436166e92080"},
        // A character the code page lacks takes its string into the wide record; each string
        // chooses for itself.
        {{"--caption", "\xce\xa9"}, 0x2000, "fffeff01a903"},
        {{"--caption", "\xe5\x86\x8d\xe8\xb5\xb7\xe5\x8b\x95 \xe2\x9c\x93", "--text",
          "Gr\xc3\xbc\xc3\x9f"
          "e"},
         0x2000,
         "fffeff058d51778dd55220001327",
         "054772fcdf65"},
        // The first two of the three length forms.
        {{"--caption", std::string(254, 'x')}, 0x2000, "fe" + Repeat("78", 254)},
        {{"--text", std::string(255, 'y')}, 0x2000, "", "ffff00" + Repeat("79", 255)},
        {{"--text", std::string(300, 'z')}, 0x2000, "", "ff2c01" + Repeat("7a", 300)},
    };
    return cases;
}

// The document's bytes in hex, as the format lays them out: the version 1.0, each string behind
// its presence flag, the style word.
inline std::string DocumentHex(const NewCase& c) {
    char style[9];
    std::snprintf(style, sizeof style, "%02x%02x%02x%02x", c.style & 0xFF, c.style >> 8 & 0xFF,
                  c.style >> 16 & 0xFF, c.style >> 24);
    const auto optional = [](const std::string& record) {
        return record.empty() ? std::string("00000000") : "01000000" + record;
    };
    return "000000000000f03f" + optional(c.caption) + optional(c.text) + style;
}

inline std::string ToHex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (const char byte : bytes) {
        hex += digits[static_cast<unsigned char>(byte) >> 4];
        hex += digits[static_cast<unsigned char>(byte) & 0xF];
    }
    return hex;
}

} // namespace clitest
