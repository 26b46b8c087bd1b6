#include "CliText.h"

#include "support/core/VersionText.h"

#include <cstdio>

namespace cli {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

std::string UnknownCommandMessage(const std::string& word) {
    return "unknown command " + Quoted(word) + "; zembra-cli --help lists the commands";
}

std::string UnknownOptionMessage(const std::string& option, const std::string& command) {
    return command + " has no option " + option;
}

std::string OptionTwiceMessage(const std::string& option) {
    return option + " is given twice";
}

std::string OptionNeedsValueMessage(const std::string& option) {
    return option + " needs a value";
}

std::string OptionTakesNoValueMessage(const std::string& option) {
    return option + " takes no value";
}

std::string UnknownWordMessage(const std::string& option, const std::string& words,
                               const std::string& word) {
    return option + " takes one of " + words + ", not " + Quoted(word);
}

std::string BadTimeoutMessage(const std::string& value) {
    return "--timeout takes a whole number of seconds from 1 to 2147483, not " + Quoted(value);
}

std::string BadCloseAfterMessage(const std::string& value) {
    return "--close-after takes a whole number of seconds from 1 to 86400, not " + Quoted(value);
}

std::string ButtonTextCountMessage(std::size_t texts, unsigned buttons,
                                   const std::string& buttonsWord) {
    return "--button-text is given " + std::to_string(texts) +
           (texts == 1 ? " time for the " : " times for the ") + std::to_string(buttons) +
           (buttons == 1 ? " button of " : " buttons of ") + buttonsWord;
}

std::string MissingFileMessage(const std::string& command, bool several) {
    return command + (several ? " needs at least one FILE" : " needs a FILE");
}

std::string UnexpectedArgumentMessage(const std::string& argument) {
    return "unexpected argument " + Quoted(argument);
}

std::string DefaultBeyondButtonsMessage(unsigned defaultButton, unsigned buttons,
                                        const std::string& buttonsWord) {
    return "--default " + std::to_string(defaultButton) + " is beyond the " +
           std::to_string(buttons) + (buttons == 1 ? " button of " : " buttons of ") + buttonsWord;
}

std::string UnrepresentableMessage(const std::string& option, char32_t character,
                                   const std::string& codePage) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return option + " holds the character " + name + ", which " + codePage + " cannot hold";
}

std::string FileExistsMessage(const std::string& path) {
    return path + " exists; --force replaces it";
}

std::string NotWrittenMessage(const std::string& path, const std::string& reason) {
    return path + ": cannot be written (" + reason + ")";
}

std::string NeedsWindowsMessage(const std::string& command) {
    return command + " shows a box and needs Windows";
}

std::string OtherVersionWarning(const std::string& path, const std::string& version) {
    return "warning: " + path + " is version " + version + ", not " + ProductVersionText() +
           "; it is run anyway";
}

std::string NoBoxMessage(const std::string& reason) {
    return "the box could not be shown (" + reason + ")";
}

std::string CheckLine(const std::string& path, const std::string& reason) {
    return path + ": " + reason;
}

std::string UnreadableReason(const std::string& systemText) {
    return "cannot be read (" + systemText + ")";
}

std::string CutShortReason(std::uint64_t offset) {
    return "cut short at byte " + std::to_string(offset);
}

std::string LengthBeyondEndReason(std::uint64_t recordOffset) {
    return "the length at byte " + std::to_string(recordOffset) + " reaches beyond the end";
}

std::string MalformedLengthReason(std::uint64_t recordOffset) {
    return "the length at byte " + std::to_string(recordOffset) + " is malformed";
}

std::string OtherVersionReason(const std::string& version) {
    return "version " + version + " instead of " + ProductVersionText();
}

} // namespace cli
