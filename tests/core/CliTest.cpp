// zembra-cli's commands over a system of files in memory: what each writes, prints and exits with,
// and what it refuses without changing anything.

#include "cli/core/Cli.h"
#include "cli/core/DesignView.h"
#include "cli/core/DocumentRead.h"
#include "cli/core/StyleWords.h"
#include "cli/core/Utf8.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"
#include "support/core/VersionText.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Strings = std::vector<std::string>;

class MemorySystem : public cli::CliSystem {
public:
    void Out(const std::string& text) override { out += text; }
    void Err(const std::string& text) override { err += text; }
    std::string ReasonOf(const CException& e) const override { return e.Message(); }
    std::unique_ptr<ArchiveStream> OpenDocument(const std::string& path) override {
        const auto file = files.find(path);
        if (file == files.end())
            throw CFileException(2, "No such file");
        return std::make_unique<MemoryStream>(file->second.data(), file->second.size());
    }
    cli::WriteOutcome WriteDocument(const std::string& path,
                                    const std::vector<unsigned char>& bytes, bool replace,
                                    std::string& reason) override {
        if (path.rfind("locked/", 0) == 0) {
            reason = "Access denied";
            return cli::WriteOutcome::Failed;
        }
        if (!replace && files.count(path) != 0)
            return cli::WriteOutcome::Exists;
        files[path] = std::string(bytes.begin(), bytes.end());
        return cli::WriteOutcome::Written;
    }
    bool CanShowBoxes() const override { return true; }
    cli::BoxOutcome ShowBox(const MessageBoxDesign& design,
                            std::optional<unsigned> timeoutSeconds) override {
        shown.push_back(design);
        timeout = timeoutSeconds;
        return {answer, "no desktop"};
    }

    std::map<std::string, std::string> files;
    std::string out, err;
    int answer = 1;
    std::vector<MessageBoxDesign> shown;
    std::optional<unsigned> timeout;
};

std::string Bytes(std::initializer_list<int> bytes) {
    std::string text;
    for (const int byte : bytes)
        text += static_cast<char>(byte);
    return text;
}

const std::string kVersion1 = Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F});
const std::string kNoString = Bytes({0, 0, 0, 0});
const std::string kString = Bytes({1, 0, 0, 0});
// A string that is there, in the narrow record of the short length form.
std::string Narrow(const std::string& text) {
    return kString + static_cast<char>(text.size()) + text;
}
const std::string kEmptyDocument = kVersion1 + kNoString + kNoString + Bytes({0, 0x20, 0, 0});

class Cli : public testing::Test {
protected:
    int Run(const Strings& arguments) { return cli::RunCli(arguments, m_system); }
    // Runs a command that must end with the exit code, and gives what it printed.
    std::string Printed(const Strings& arguments, int exitCode) {
        m_system.out.clear();
        EXPECT_EQ(Run(arguments), exitCode) << testing::PrintToString(arguments);
        return m_system.out;
    }
    // Runs a command that must end with the exit code and print part among its output.
    void ExpectPrinted(const Strings& arguments, int exitCode, const std::string& part) {
        const std::string out = Printed(arguments, exitCode);
        EXPECT_NE(out.find(part), std::string::npos) << out;
    }
    MemorySystem m_system;
};

} // namespace

TEST_F(Cli, RefusalsChangeNothingAndSayWhyOnOneLine) {
    m_system.files["old.zembra"] = kEmptyDocument;
    // new of the file a, then the rest of the arguments.
    const auto NewA = [](const Strings& options) {
        Strings arguments = {"new", "a"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return arguments;
    };
    const struct {
        Strings arguments;
        int exitCode;
        const char* says;
    } cases[] = {
        {{}, 2, "no command given"},
        {{"frobnicate"}, 2, "unknown command \"frobnicate\""},
        {{"new"}, 2, "new needs a FILE"},
        {NewA({"b"}), 2, "unexpected argument \"b\""},
        {NewA({"--icon", "big"}), 2,
         "--icon takes one of none, information, warning, question, error, not \"big\""},
        {NewA({"--buttons", "Yes-No"}), 2, "--buttons takes one of ok, ok-cancel"},
        {NewA({"--default", "4"}), 2, "--default takes one of 1, 2, 3, not \"4\""},
        {NewA({"--default", "2"}), 2, "--default 2 is beyond the 1 button of ok"},
        {NewA({"--buttons", "yes-no", "--default", "3"}), 2,
         "--default 3 is beyond the 2 buttons of yes-no"},
        {NewA({"--priority", "high"}), 2, "--priority takes one of normal, system"},
        {NewA({"--caption"}), 2, "--caption needs a value"},
        {NewA({"--force=yes"}), 2, "--force takes no value"},
        {NewA({"--icon", "error", "--icon=none"}), 2, "--icon is given twice"},
        {NewA({"--json"}), 2, "new has no option --json"},
        {NewA({"--timeout", "5"}), 2, "new has no option --timeout"},
        {NewA({"-f"}), 2, "new has no option -f"},
        {{"new", "old.zembra"}, 2, "old.zembra exists; --force replaces it"},
        // Any character is taken; only what is not UTF-8 at all is refused.
        {NewA({"--text", "ok \xce"}), 2, "--text is not well-formed UTF-8"},
        {NewA({"--caption", "\xff"}), 2, "--caption is not well-formed UTF-8"},
        {NewA({"--caption", "\xc0\xaf"}), 2, "--caption is not well-formed UTF-8"},
        {{"new", "locked/a"}, 1, "locked/a: cannot be written (Access denied)"},
        {{"show"}, 2, "show needs a FILE"},
        {{"show", "old.zembra", "--force"}, 2, "show has no option --force"},
        {{"show", "missing.zembra"}, 1, "missing.zembra: cannot be read (No such file)"},
        {{"check"}, 2, "check needs at least one FILE"},
        {{"run"}, 255, "run needs a FILE"},
        {{"run", "old.zembra", "--timeout", "0"}, 255, "--timeout takes a whole number"},
        {{"run", "old.zembra", "--timeout", "2147484"}, 255, "from 1 to 2147483, not \"2147484\""},
        {{"run", "old.zembra", "--timeout", "1.5"}, 255, "--timeout takes a whole number"},
        {{"run", "missing.zembra"}, 255, "missing.zembra: cannot be read (No such file)"},
        {{"ask", "file"}, 255, "unexpected argument \"file\""},
        {{"ask", "--caption", "\xed\xa0\x80"}, 255, "--caption is not well-formed UTF-8"},
        {{"ask", "--force"}, 255, "ask has no option --force"},
        // Own words and a countdown: nothing the set lacks.
        {NewA({"--buttons", "yes-no", "--button-text", "Go"}), 2,
         "--button-text is given 1 time for the 2 buttons of yes-no"},
        {NewA({"--button-text", "A", "--button-text", "B"}), 2,
         "--button-text is given 2 times for the 1 button of ok"},
        {NewA({"--button-text="}), 2, "--button-text needs a word"},
        {NewA({"--button-text", "a\x80"}), 2, "--button-text is not well-formed UTF-8"},
        {NewA({"--close-after", "0"}), 2, "--close-after takes a whole number"},
        {NewA({"--close-after", "86401"}), 2, "from 1 to 86400, not \"86401\""},
        {NewA({"--answer", "ok"}), 2, "--answer needs --close-after"},
        {NewA({"--close-after", "5", "--answer", "yes"}), 2,
         "--answer takes one of ok, timeout, not \"yes\""},
        {NewA({"--buttons", "abort-retry-ignore", "--close-after", "5", "--answer", "Retry"}), 2,
         "--answer takes one of abort, retry, ignore, timeout, not \"Retry\""},
        {NewA({"--close-after", "5", "--close-after", "6"}), 2, "--close-after is given twice"},
        {{"ask", "--close-after", "5", "--timeout", "5"},
         255,
         "--timeout and --close-after cannot both be given"},
        {{"ask", "--buttons", "yes-no", "--button-text", "Go"}, 255, "is given 1 time"},
        {{"run", "doc", "--close-after", "5"}, 255, "run has no option --close-after"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        m_system.err.clear();
        EXPECT_EQ(Run(c.arguments), c.exitCode);
        EXPECT_EQ(m_system.err.rfind("zembra-cli: ", 0), 0u) << m_system.err;
        EXPECT_NE(m_system.err.find(c.says), std::string::npos) << m_system.err;
        EXPECT_EQ(m_system.err.find('\n'), m_system.err.size() - 1) << m_system.err;
        EXPECT_EQ(m_system.out, "");
        EXPECT_EQ(m_system.files,
                  (std::map<std::string, std::string>{{"old.zembra", kEmptyDocument}}));
        EXPECT_TRUE(m_system.shown.empty());
    }
}

TEST_F(Cli, ForceReplacesAndOptionsEndAtTheDoubleDash) {
    m_system.files["old.zembra"] = "old";
    EXPECT_EQ(Run({"new", "--force", "old.zembra"}), 0);
    EXPECT_EQ(m_system.files["old.zembra"], kEmptyDocument);
    EXPECT_EQ(Run({"new", "--caption", "--text", "--", "--help"}), 0);
    EXPECT_EQ(m_system.files["--help"],
              kVersion1 + Narrow("--text") + kNoString + Bytes({0, 0x20, 0, 0}));
}

TEST_F(Cli, HelpAndVersion) {
    EXPECT_EQ(Printed({"--version"}, 0), "zembra-cli 1.0\n");
    for (const Strings& arguments : {Strings{"--help"}, Strings{"new", "--help"}})
        EXPECT_EQ(Printed(arguments, 0).rfind("Usage:\n", 0), 0u);
    EXPECT_EQ(m_system.err, "");
}

TEST_F(Cli, ShowPrintsWindows1252AndWideStringsAsUtf8) {
    // Caption "€é" in Windows-1252; text "€!" as a wide string.
    m_system.files["doc.zembra"] = kVersion1 + kString + Bytes({2, 0x80, 0xE9}) + kString +
                                   Bytes({0xFF, 0xFE, 0xFF, 2, 0xAC, 0x20, '!', 0}) +
                                   Bytes({0x34, 0x21, 0x04, 0});
    EXPECT_EQ(Printed({"show", "doc.zembra", "--json"}, 0),
              "{\n"
              "  \"version\": 1.0,\n"
              "  \"caption\": \"\xe2\x82\xac\xc3\xa9\",\n"
              "  \"text\": \"\xe2\x82\xac!\",\n"
              "  \"icon\": \"warning\",\n"
              "  \"buttons\": \"yes-no\",\n"
              "  \"default\": 2,\n"
              "  \"priority\": \"normal\",\n"
              "  \"style\": 270644,\n"
              "  \"buttonTexts\": null,\n"
              "  \"countdown\": null\n"
              "}\n");
    m_system.files["lines.zembra"] =
        kVersion1 + kNoString + Narrow("a\r\n\r\nbc") + Bytes({0x56, 0x30, 0, 0});
    EXPECT_EQ(Printed({"show", "lines.zembra"}, 0), "version   1.0\n"
                                                    "caption\n"
                                                    "text      a\n"
                                                    "\n"
                                                    "          bc\n"
                                                    "icon      bits 0x0050, which no word names\n"
                                                    "buttons   bits 0x0006, which no word names\n"
                                                    "default   1\n"
                                                    "priority  bits 0x3000, which no word names\n"
                                                    "style     0x00003056\n");
    ExpectPrinted({"show", "--json", "lines.zembra"}, 0,
                  "\"icon\": null,\n  \"buttons\": null,\n  \"default\": 1,\n"
                  "  \"priority\": null,\n  \"style\": 12374,\n");
    EXPECT_EQ(m_system.err, "");
}

TEST_F(Cli, CheckNamesWhatTheReaderFinds) {
    const std::string sound = kVersion1 + Narrow("abc") + kNoString + Bytes({0, 0x20, 0, 0});
    m_system.files = {
        {"sound", sound},
        {"trailing", sound + "more"},
        {"cut", sound.substr(0, 10)},
        {"cut-style", sound.substr(0, sound.size() - 1)},
        {"cut-record", sound.substr(0, 14)},
        {"hostile", kVersion1 + kString + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'})},
        {"hostile-wide", kVersion1 + kNoString + kString +
                             Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})},
        {"malformed", kVersion1 + kString + Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF})},
        {"v2", Bytes({0, 0, 0, 0, 0, 0, 0, 0x40}) + kNoString + kNoString + Bytes({0, 0x20, 0, 0})},
        {"v1.04", Bytes({0xA4, 0x70, 0x3D, 0x0A, 0xD7, 0xA3, 0xF0, 0x3F})},
    };
    EXPECT_EQ(Printed({"check", "sound", "trailing"}, 0), "sound: ok\ntrailing: ok\n");
    EXPECT_EQ(Printed({"check", "sound", "cut", "cut-style", "cut-record", "hostile",
                       "hostile-wide", "malformed", "v2", "v1.04", "missing"},
                      1),
              "sound: ok\n"
              "cut: cut short at byte 10\n"
              "cut-style: cut short at byte 23\n"
              "cut-record: the length at byte 12 reaches beyond the end\n"
              "hostile: the length at byte 12 reaches beyond the end\n"
              "hostile-wide: the length at byte 16 reaches beyond the end\n"
              "malformed: the length at byte 12 is malformed\n"
              "v2: version 2.0 instead of 1.0\n"
              "v1.04: version 1.04 instead of 1.0\n"
              "missing: cannot be read (No such file)\n");
    EXPECT_EQ(m_system.err, "");
}

TEST_F(Cli, RunShowsTheStyleWordUnchangedAndExitsWithTheAnswer) {
    m_system.files["doc.zembra"] =
        kVersion1 + Narrow("C") + kNoString + Bytes({0x34, 0x21, 0x04, 0x00});
    m_system.answer = 7;
    EXPECT_EQ(Run({"run", "doc.zembra", "--timeout", "2147483"}), 7);
    ASSERT_EQ(m_system.shown.size(), 1u);
    EXPECT_EQ(m_system.shown[0].GetCaption(), u"C");
    EXPECT_EQ(m_system.shown[0].GetStyle(), 0x42134u);
    EXPECT_EQ(m_system.timeout, 2147483u);
    EXPECT_EQ(m_system.err, "");

    // Another version runs as a Yes to the editor's question would, with a warning.
    m_system.files["v2.zembra"] =
        Bytes({0, 0, 0, 0, 0, 0, 0, 0x40}) + kNoString + kNoString + Bytes({0x04, 0x20, 0, 0});
    m_system.answer = cli::kTimedOut;
    EXPECT_EQ(Run({"run", "v2.zembra"}), 32000);
    EXPECT_EQ(m_system.err,
              "zembra-cli: warning: v2.zembra is version 2.0, not 1.0; it is run anyway\n");
    EXPECT_FALSE(m_system.timeout);

    m_system.err.clear();
    m_system.answer = 0;
    EXPECT_EQ(Run({"ask"}), 255);
    EXPECT_EQ(m_system.err, "zembra-cli: the box could not be shown (no desktop)\n");
}

TEST_F(Cli, OwnWordsAndCountdownAreWrittenShownAndRun) {
    EXPECT_EQ(
        Run({"new", "doc", "--caption", "Update", "--buttons", "yes-no", "--button-text",
             "Restart now", "--button-text", "Later", "--close-after", "300", "--answer", "no"}),
        0);
    EXPECT_EQ(m_system.err, "");
    const std::string& bytes = m_system.files["doc"];
    // The document as before, then the block: the style word ends at byte 27.
    EXPECT_EQ(bytes.substr(0, 27),
              kVersion1 + Narrow("Update") + kNoString + Bytes({0x04, 0x20, 0, 0}));
    EXPECT_EQ(bytes.substr(27, 4), "ZBOX");

    ExpectPrinted({"show", "doc"}, 0,
                  "style     0x00002004\n"
                  "words     Restart now\n"
                  "          Later\n"
                  "countdown 300 seconds, then no\n");
    ExpectPrinted({"show", "--json", "doc"}, 0,
                  "  \"buttonTexts\": [\n    \"Restart now\",\n    \"Later\"\n  ],\n"
                  "  \"countdown\": {\n    \"seconds\": 300,\n    \"answer\": \"no\"\n  }\n");

    m_system.answer = 7;
    EXPECT_EQ(Run({"run", "doc"}), 7);
    ASSERT_EQ(m_system.shown.size(), 1u);
    EXPECT_EQ(m_system.shown[0].GetExtras(),
              (BoxExtras{{u"Restart now", u"Later"}, Countdown{300, 7}, {}}));
    EXPECT_FALSE(m_system.timeout);
    // run's timeout is handed on; the box puts it in place of the document's countdown.
    EXPECT_EQ(Run({"run", "doc", "--timeout", "9"}), 7);
    EXPECT_EQ(m_system.timeout, 9u);

    EXPECT_EQ(Run({"ask", "--buttons", "ok-cancel", "--button-text", "\xce\xa9", "--button-text",
                   "No", "--close-after", "3"}),
              7);
    EXPECT_EQ(m_system.shown.back().GetExtras(),
              (BoxExtras{{u"\u03a9", u"No"}, Countdown{3, 32000}, {}}));
}

TEST_F(Cli, CheckNamesWhatIsWrongInTheBoxBlock) {
    const std::string head = kVersion1 + kNoString + kNoString + Bytes({0x04, 0x20, 0, 0});
    m_system.files = {
        {"cut", head + "ZBOX" + Bytes({1, 0, 20, 0, 0, 0, 2, 0})},
        {"answer",
         head + "ZBOX" + Bytes({1, 0, 14, 0, 0, 0, 2, 0, 8, 0, 0, 0, 5, 0, 0, 0, 1, 0, 0, 0})},
    };
    EXPECT_EQ(Printed({"check", "cut", "answer"}, 1),
              "cut: the box block at byte 20 is cut short at byte 32\n"
              "answer: the box block at byte 20 is malformed: its countdown answers "
              "1, which is no button of the set\n");
}

// A document cannot drive the terminal: show prints a control character of its strings as an
// escape, and breaks lines only where the box does; --json keeps the strings whole.
TEST(DesignView, ControlCharactersShowAsEscapes) {
    using namespace std::string_literals;
    const struct {
        std::string caption, text;
        const char* shown; // the caption's and the text's lines
    } cases[] = {
        {"\x1b[2J", "", "caption   \\x1B[2J\ntext\n"},
        {"", "bell\x07", "caption\ntext      bell\\x07\n"},
        {"", "over\rwritten\r", "caption\ntext      over\\x0Dwritten\\x0D\n"},
        {"", "a\r\n\r\nb", "caption\ntext      a\n\n          b\n"},
        {"", "a\nb", "caption\ntext      a\n          b\n"},
        {"a\r\nb", "", "caption   a\n          b\ntext\n"},
        {"", "a\tb", "caption\ntext      a\tb\n"},
        {"", "nul\0 unit\x1f del\x7f"s, "caption\ntext      nul\\x00 unit\\x1F del\\x7F\n"},
        // U+0080 to U+009F, U+009B being a terminal's one-character CSI; U+00A0 is no control.
        {"\xc2\x9b"
         "31m \xc2\x80\xc2\x9f \xc2\xa0",
         "", "caption   \\x9B31m \\x80\\x9F \xc2\xa0\ntext\n"},
    };
    const CMaps maps;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        cli::DesignView view;
        view.version = 1.0;
        view.caption = c.caption;
        view.text = c.text;
        const std::string out = cli::DesignText(view, maps);
        const std::size_t begin = out.find('\n') + 1;
        EXPECT_EQ(out.substr(begin, out.find("icon ") - begin), c.shown);
    }
    cli::DesignView view;
    view.caption = "\x1b[2J";
    view.text = "a\rb\xc2\x9b\r\n";
    EXPECT_NE(cli::DesignJson(view, maps)
                  .find("\"caption\": \"\\u001b[2J\",\n  \"text\": \"a\\rb\xc2\x9b\\r\\n\""),
              std::string::npos)
        << cli::DesignJson(view, maps);
    // A word is one line of its button: a line break in it shows as escapes too.
    view = {};
    view.buttonTexts = {"Go\x1b", "a\r\nb\tc"};
    const std::string out = cli::DesignText(view, maps);
    EXPECT_NE(out.find("words     Go\\x1B\n          a\\x0D\\x0Ab\tc\n"), std::string::npos) << out;
}

TEST(CliText, Utf8AndUtf16BothWaysAndVersionsAsWritten) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } both[] = {
        {"", u""},
        {"abc", u"abc"},
        {"Gr\xc3\xbc\xc3\x9f"
         "e",
         u"Gr\u00fc\u00dfe"},
        {"\xe5\x86\x8d\xe8\xb5\xb7\xe5\x8b\x95 \xe2\x9c\x93", u"\u518d\u8d77\u52d5 \u2713"},
        {"\xef\xbf\xbd", u"\ufffd"},
        {"\xf0\x9f\x98\x80", u"\U0001F600"},
        {"\xf4\x8f\xbf\xbf", u"\U0010FFFF"},
    };
    for (const auto& c : both) {
        std::u16string utf16;
        EXPECT_TRUE(cli::Utf8ToUtf16(c.utf8, utf16)) << c.utf8;
        EXPECT_EQ(utf16, c.utf16);
        EXPECT_EQ(cli::Utf16ToUtf8(c.utf16), c.utf8);
    }
    std::u16string utf16;
    for (const char* bad : {"\xc0\xaf", "\xed\xa0\x80", "\xe2\x82", "\xf4\x90\x80\x80", "a\x80"})
        EXPECT_FALSE(cli::Utf8ToUtf16(bad, utf16)) << bad;
    // A half of a pair on its own, which a document's wide record may hold, prints as U+FFFD.
    EXPECT_EQ(cli::Utf16ToUtf8(u"a\xD800"
                               u"b\xDC00"),
              "a\xef\xbf\xbd"
              "b\xef\xbf\xbd");
    EXPECT_EQ(ExactVersionText(1e300), "1e+300");
}

// The words follow the editor's tables row by row: one word for each row, which stands for the
// row's value and which that value gives back.
TEST(StyleWords, OneWordForEveryRowOfTheEditorsTables) {
    const CMaps maps;
    const std::pair<cli::StyleGroup, const StyleTable*> groups[] = {
        {cli::StyleGroup::Icon, &maps.m_IconMap},
        {cli::StyleGroup::Buttons, &maps.m_ButtonMap},
        {cli::StyleGroup::Default, &maps.m_DefButtonMap},
        {cli::StyleGroup::Priority, &maps.m_ModalMap}};
    for (const auto& [group, table] : groups) {
        const std::vector<const char*>& words = cli::WordsOf(group);
        ASSERT_EQ(words.size(), table->Entries().size()) << cli::OptionOf(group);
        for (std::size_t i = 0; i < words.size(); ++i) {
            EXPECT_EQ(cli::ValueOfWord(maps, group, words[i]), table->Entries()[i].second);
            EXPECT_EQ(cli::WordOfStyle(maps, group, table->Entries()[i].second), words[i]);
        }
    }
}
