#pragma once
// What zembra-cli prints: its usage, its version, its errors and check's reasons.

#include <cstdint>
#include <string>

namespace cli {

constexpr const char* kVersionLine = "zembra-cli 1.0\n";
// Every error and warning line begins with it.
constexpr const char* kErrorPrefix = "zembra-cli: ";

constexpr const char* kUsage =
    "Usage:\n"
    "  zembra-cli new FILE [options] [--force]   write a new document\n"
    "  zembra-cli show FILE [--json]             print a document's design\n"
    "  zembra-cli check FILE...                  check documents, one line each\n"
    "  zembra-cli run FILE [--timeout SECONDS]   show a document's box (Windows)\n"
    "  zembra-cli ask [options] [--timeout SECONDS]\n"
    "                                            show the box the options describe (Windows)\n"
    "  zembra-cli --help | --version\n"
    "\n"
    "Options of new and ask:\n"
    "  --caption TEXT     the caption; empty by default\n"
    "  --text TEXT        the text; empty by default; a line feed is a line break\n"
    "  --icon WORD        none (the default), information, warning, question, error\n"
    "  --buttons WORD     ok (the default), ok-cancel, yes-no, yes-no-cancel, retry-cancel,\n"
    "                     abort-retry-ignore\n"
    "  --default N        the default button: 1 (the default), 2 or 3, at most the number of\n"
    "                     buttons\n"
    "  --priority WORD    normal (the default) or system\n"
    "  --button-text TEXT the word of a button, once for every button of the set in its order\n"
    "                     (\"Restart now\" in place of Yes still answers 6)\n"
    "  --close-after SECONDS\n"
    "                     the box counts down from SECONDS (1 to 86400) and then closes\n"
    "  --answer WORD      what it answers then: a button of the set (ok, cancel, abort, retry,\n"
    "                     ignore, yes, no) or timeout (32000, the default)\n"
    "  --force            new replaces FILE when it exists\n"
    "  --timeout SECONDS  a box still open after SECONDS (1 to 2147483) is closed, and the\n"
    "                     exit code is 32000; run's replaces a document's countdown, ask's\n"
    "                     cannot go with --close-after\n"
    "\n"
    "Exit codes:\n"
    "  new, show: 0 done, 1 failed, 2 usage error\n"
    "  check:     0 every FILE is ok, 1 one is not, 2 usage error\n"
    "  run, ask:  the pressed button (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No),\n"
    "             32000 timed out, 255 usage error, unreadable document or no box shown\n";

constexpr const char* kNoCommandMessage = "no command given; zembra-cli --help lists them";
std::string UnknownCommandMessage(const std::string& word);
std::string UnknownOptionMessage(const std::string& option, const std::string& command);
std::string OptionTwiceMessage(const std::string& option);
std::string OptionNeedsValueMessage(const std::string& option);
std::string OptionTakesNoValueMessage(const std::string& option);
std::string UnknownWordMessage(const std::string& option, const std::string& words,
                               const std::string& word);
std::string BadTimeoutMessage(const std::string& value);
std::string BadCloseAfterMessage(const std::string& value);
std::string ButtonTextCountMessage(std::size_t texts, unsigned buttons,
                                   const std::string& buttonsWord);
constexpr const char* kEmptyButtonTextMessage = "--button-text needs a word, not an empty text";
constexpr const char* kAnswerWithoutCloseAfterMessage = "--answer needs --close-after";
constexpr const char* kTimeoutAndCloseAfterMessage =
    "--timeout and --close-after cannot both be given";
std::string MissingFileMessage(const std::string& command, bool several);
std::string UnexpectedArgumentMessage(const std::string& argument);
std::string DefaultBeyondButtonsMessage(unsigned defaultButton, unsigned buttons,
                                        const std::string& buttonsWord);
// option: "--text"; character: the first one the code page lacks.
std::string UnrepresentableMessage(const std::string& option, char32_t character,
                                   const std::string& codePage);
std::string FileExistsMessage(const std::string& path);
std::string NotWrittenMessage(const std::string& path, const std::string& reason);
std::string NeedsWindowsMessage(const std::string& command);
std::string OtherVersionWarning(const std::string& path, const std::string& version);
std::string NoBoxMessage(const std::string& reason);

// check's line for a file: "FILE: ok" or "FILE: " and the reason.
std::string CheckLine(const std::string& path, const std::string& reason);
constexpr const char* kSoundReason = "ok";
std::string UnreadableReason(const std::string& systemText);
std::string CutShortReason(std::uint64_t offset);
std::string LengthBeyondEndReason(std::uint64_t recordOffset);
std::string MalformedLengthReason(std::uint64_t recordOffset);
std::string OtherVersionReason(const std::string& version);

} // namespace cli
