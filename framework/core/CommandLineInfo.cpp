#include "CommandLineInfo.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::vector<std::string> SplitArguments(const std::string& commandLine) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    const std::size_t n = commandLine.size();
    while (true) {
        while (i < n && IsBlank(commandLine[i]))
            ++i;
        if (i >= n)
            return arguments;
        std::string argument;
        bool quoted = false;
        while (i < n && (quoted || !IsBlank(commandLine[i]))) {
            std::size_t backslashes = 0;
            while (i < n && commandLine[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < n && commandLine[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < n && commandLine[i + 1] == '"') {
                    argument += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < n && (quoted || !IsBlank(commandLine[i])))
                    argument += commandLine[i++];
            }
        }
        arguments.push_back(argument);
    }
}

void CCommandLineInfo::ParseParam(const std::string& argument) {
    const bool isSwitch = !argument.empty() && (argument[0] == '/' || argument[0] == '-');
    if (isSwitch || m_nShellCommand == FileOpen)
        return;
    m_nShellCommand = FileOpen;
    m_strFileName = argument;
}

void ParseCommandLine(const std::string& commandLine, CCommandLineInfo& info) {
    for (const std::string& argument : SplitArguments(commandLine))
        info.ParseParam(argument);
}
