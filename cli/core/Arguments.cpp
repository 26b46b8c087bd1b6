#include "Arguments.h"

#include "app/core/ButtonSets.h"
#include "cli/core/CliText.h"
#include "cli/core/StyleWords.h"

#include <limits>
#include <set>

namespace cli {

namespace {

enum CommandBit : unsigned { kNew = 1, kShow = 2, kCheck = 4, kRun = 8, kAsk = 16 };

struct CommandEntry {
    const char* word;
    Command command;
    unsigned bit;
    std::size_t minFiles;
    std::size_t maxFiles;
};

constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();

constexpr CommandEntry kCommands[] = {
    {"new", Command::New, kNew, 1, 1},
    {"show", Command::Show, kShow, 1, 1},
    {"check", Command::Check, kCheck, 1, kAnyNumber},
    {"run", Command::Run, kRun, 1, 1},
    {"ask", Command::Ask, kAsk, 0, 0},
};

void SetStyleWord(StyleGroup group, const std::string& word, const CMaps& maps,
                  std::uint32_t& value) {
    const std::optional<std::uint32_t> found = ValueOfWord(maps, group, word);
    if (!found)
        throw UsageError(UnknownWordMessage(OptionOf(group), WordList(group), word));
    value = *found;
}

unsigned ParseTimeout(const std::string& value) {
    unsigned long long seconds = 0;
    for (const char c : value) {
        if (c < '0' || c > '9' || seconds > kMaxTimeoutSeconds)
            throw UsageError(BadTimeoutMessage(value));
        seconds = seconds * 10 + static_cast<unsigned>(c - '0');
    }
    if (value.empty() || seconds == 0 || seconds > kMaxTimeoutSeconds)
        throw UsageError(BadTimeoutMessage(value));
    return static_cast<unsigned>(seconds);
}

unsigned ParseCloseAfter(const std::string& value) {
    unsigned seconds = 0;
    for (const char c : value) {
        if (c < '0' || c > '9' || seconds > kMaxCountdownSeconds)
            throw UsageError(BadCloseAfterMessage(value));
        seconds = seconds * 10 + static_cast<unsigned>(c - '0');
    }
    if (value.empty() || seconds == 0 || seconds > kMaxCountdownSeconds)
        throw UsageError(BadCloseAfterMessage(value));
    return seconds;
}

// The answer's words for the button set: its buttons' words and "timeout".
std::string AnswerWords(std::uint32_t set) {
    std::string words;
    for (const SetButton& button : ButtonsOfSet(set))
        words += AnswerWordOf(button.number) + ", ";
    return words + AnswerWordOf(kTimedOut);
}

// What new and ask say of own words and a countdown, against the button set they describe.
void CheckExtras(const Request& request, const std::set<std::string>& given,
                 const std::string& answerWord, const CMaps& maps) {
    const BoxOptions& box = request.box;
    const unsigned buttons = ButtonCount(maps, box.buttons);
    const std::string setWord = WordOfStyle(maps, StyleGroup::Buttons, box.buttons).value_or("");
    if (!box.buttonTexts.empty() && box.buttonTexts.size() != buttons)
        throw UsageError(ButtonTextCountMessage(box.buttonTexts.size(), buttons, setWord));
    if (given.count("--answer") != 0 && !box.closeAfterSeconds)
        throw UsageError(kAnswerWithoutCloseAfterMessage);
    if (box.closeAfterSeconds && request.timeoutSeconds)
        throw UsageError(kTimeoutAndCloseAfterMessage);
    if (given.count("--answer") != 0) {
        const std::optional<std::uint32_t> answer = AnswerOfWord(answerWord);
        if (!answer || (*answer != kTimedOut && !SetHasNumber(box.buttons, *answer)))
            throw UsageError(UnknownWordMessage("--answer", AnswerWords(box.buttons), answerWord));
    }
}

using Apply = void (*)(Request&, const std::string& value, const CMaps& maps);

struct OptionEntry {
    const char* name;
    unsigned commands;
    bool takesValue;
    Apply apply;
};

const OptionEntry kOptions[] = {
    {"--caption", kNew | kAsk, true,
     [](Request& r, const std::string& v, const CMaps&) { r.box.caption = v; }},
    {"--text", kNew | kAsk, true,
     [](Request& r, const std::string& v, const CMaps&) { r.box.text = v; }},
    {"--icon", kNew | kAsk, true,
     [](Request& r, const std::string& v, const CMaps& m) {
         SetStyleWord(StyleGroup::Icon, v, m, r.box.icon);
     }},
    {"--buttons", kNew | kAsk, true,
     [](Request& r, const std::string& v, const CMaps& m) {
         SetStyleWord(StyleGroup::Buttons, v, m, r.box.buttons);
     }},
    {"--default", kNew | kAsk, true,
     [](Request& r, const std::string& v, const CMaps& m) {
         std::uint32_t ignored = 0;
         SetStyleWord(StyleGroup::Default, v, m, ignored);
         r.box.defaultButton = static_cast<unsigned>(v[0] - '0');
     }},
    {"--priority", kNew | kAsk, true,
     [](Request& r, const std::string& v, const CMaps& m) {
         SetStyleWord(StyleGroup::Priority, v, m, r.box.priority);
     }},
    {"--button-text", kNew | kAsk, true,
     [](Request& r, const std::string& v, const CMaps&) {
         if (v.empty())
             throw UsageError(kEmptyButtonTextMessage);
         r.box.buttonTexts.push_back(v);
     }},
    {"--close-after", kNew | kAsk, true,
     [](Request& r, const std::string& v, const CMaps&) {
         r.box.closeAfterSeconds = ParseCloseAfter(v);
     }},
    {"--answer", kNew | kAsk, true, [](Request&, const std::string&, const CMaps&) {}},
    {"--force", kNew, false, [](Request& r, const std::string&, const CMaps&) { r.force = true; }},
    {"--json", kShow, false, [](Request& r, const std::string&, const CMaps&) { r.json = true; }},
    {"--timeout", kRun | kAsk, true,
     [](Request& r, const std::string& v, const CMaps&) { r.timeoutSeconds = ParseTimeout(v); }},
};

const CommandEntry* FindCommand(const std::string& word) {
    for (const CommandEntry& entry : kCommands)
        if (word == entry.word)
            return &entry;
    return nullptr;
}

const OptionEntry* FindOption(const std::string& name, unsigned command) {
    for (const OptionEntry& entry : kOptions)
        if (name == entry.name && (entry.commands & command) != 0)
            return &entry;
    return nullptr;
}

bool IsOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

// Whether the options (the arguments before "--") hold word.
bool HasOption(const std::vector<std::string>& arguments, const char* word) {
    for (const std::string& argument : arguments) {
        if (argument == "--")
            return false;
        if (argument == word)
            return true;
    }
    return false;
}

} // namespace

Request ParseArguments(const std::vector<std::string>& arguments, const CMaps& maps) {
    Request request;
    if (HasOption(arguments, "--help"))
        return request;
    if (HasOption(arguments, "--version")) {
        request.command = Command::Version;
        return request;
    }
    if (arguments.empty())
        throw UsageError(kNoCommandMessage);
    const CommandEntry* command = FindCommand(arguments[0]);
    if (command == nullptr)
        throw UsageError(UnknownCommandMessage(arguments[0]));
    request.command = command->command;

    std::set<std::string> given;
    std::string answerWord; // read once the button set is known
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !IsOption(argument)) {
            request.files.push_back(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const OptionEntry* option = FindOption(name, command->bit);
        if (option == nullptr)
            throw UsageError(UnknownOptionMessage(name, command->word));
        if (!given.insert(name).second && name != "--button-text")
            throw UsageError(OptionTwiceMessage(name));
        std::string value;
        if (equals != std::string::npos) {
            if (!option->takesValue)
                throw UsageError(OptionTakesNoValueMessage(name));
            value = argument.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 == arguments.size())
                throw UsageError(OptionNeedsValueMessage(name));
            value = arguments[++i];
        }
        option->apply(request, value, maps);
        if (name == "--answer")
            answerWord = value;
    }

    if (request.files.size() < command->minFiles)
        throw UsageError(MissingFileMessage(command->word, command->maxFiles > 1));
    if (request.files.size() > command->maxFiles)
        throw UsageError(UnexpectedArgumentMessage(request.files[command->maxFiles]));
    const unsigned buttons = ButtonCount(maps, request.box.buttons);
    if (request.box.defaultButton > buttons)
        throw UsageError(DefaultBeyondButtonsMessage(
            request.box.defaultButton, buttons,
            WordOfStyle(maps, StyleGroup::Buttons, request.box.buttons).value_or("")));
    CheckExtras(request, given, answerWord, maps);
    if (!answerWord.empty())
        request.box.answer = *AnswerOfWord(answerWord);
    return request;
}

bool NamesBoxCommand(const std::vector<std::string>& arguments) {
    const CommandEntry* command = arguments.empty() ? nullptr : FindCommand(arguments[0]);
    return command != nullptr && (command->bit & (kRun | kAsk)) != 0;
}

} // namespace cli
