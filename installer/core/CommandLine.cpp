#include "CommandLine.h"

#include "InstallerTexts.h"

#include "framework/core/CommandLineInfo.h"

#include <cctype>

namespace installer {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Whether text at position at begins with prefix, whatever the case of either.
bool StartsWithSwitch(const std::string& text, std::size_t at, const std::string& prefix) {
    if (text.size() - at < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[at + i])) !=
            std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// The end of the argument that begins at at: the first blank outside double quotes.
std::size_t ArgumentEnd(const std::string& text, std::size_t at) {
    bool quoted = false;
    for (; at < text.size(); ++at) {
        if (text[at] == '"')
            quoted = !quoted;
        else if (IsBlank(text[at]) && !quoted)
            break;
    }
    return at;
}

// One argument as the C runtime reads it: quotes removed.
std::string Unquoted(const std::string& argument) {
    const std::vector<std::string> split = SplitArguments(argument);
    return split.empty() ? std::string() : split.front();
}

} // namespace

InstallerCommandLine ParseInstallerCommandLine(const std::string& commandLine) {
    InstallerCommandLine parsed;
    std::size_t at = 0;
    for (;;) {
        while (at < commandLine.size() && IsBlank(commandLine[at]))
            ++at;
        if (at == commandLine.size())
            break;
        if (StartsWithSwitch(commandLine, at, "/D=")) {
            std::string folder = commandLine.substr(at + 3);
            while (!folder.empty() && IsBlank(folder.back()))
                folder.pop_back();
            parsed.folder = folder;
            break;
        }
        const std::size_t end = ArgumentEnd(commandLine, at);
        const std::string argument = Unquoted(commandLine.substr(at, end - at));
        if (StartsWithSwitch(argument, 0, "/LOG=") && argument.size() > 5)
            parsed.logFile = argument.substr(5);
        else if (StartsWithSwitch(argument, 0, "/S") && argument.size() == 2)
            parsed.silent = true;
        else if (parsed.unknown.empty())
            parsed.unknown = argument;
        at = end;
    }
    return parsed;
}

std::string UsageMessage(const std::string& unknown) {
    return kUnknownArgument + unknown + "\n\n" + kUsage;
}

std::string LogNotOpenedMessage(const std::string& path, const std::string& description) {
    return kLogNotOpenedStart + path + kLogNotOpenedEnd + description;
}

} // namespace installer
