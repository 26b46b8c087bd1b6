#pragma once
// zembra-cli's command line: a command word, its options (each at most once but --button-text,
// "--name VALUE" or "--name=VALUE", anywhere among the files) and its files; "--" ends the options.

#include "app/core/MessageBoxDesign.h"
#include "app/core/StyleTables.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

enum class Command { Help, Version, New, Show, Check, Run, Ask };

// A box as the options of new and ask describe it.
struct BoxOptions {
    std::string caption; // UTF-8, as given
    std::string text;    // UTF-8, as given
    std::uint32_t icon = 0;
    std::uint32_t buttons = 0;
    unsigned defaultButton = 1;
    std::uint32_t priority = style::kTaskModal;
    std::vector<std::string> buttonTexts; // UTF-8; none, or one per button of the set
    std::optional<unsigned> closeAfterSeconds;
    std::uint32_t answer = 32000; // a button number of the set, or timed out
};

struct Request {
    Command command = Command::Help;
    std::vector<std::string> files;
    BoxOptions box;
    bool force = false;
    bool json = false;
    std::optional<unsigned> timeoutSeconds;
};

// A command line zembra-cli cannot carry out; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The longest timeout, in seconds, that a system timer can count.
constexpr unsigned kMaxTimeoutSeconds = 2147483;

// The request the arguments after the program's name make. Throws UsageError.
Request ParseArguments(const std::vector<std::string>& arguments, const CMaps& maps);

// Whether the arguments name a command that shows a box (run or ask).
bool NamesBoxCommand(const std::vector<std::string>& arguments);

} // namespace cli
