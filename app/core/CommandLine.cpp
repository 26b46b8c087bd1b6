#include "CommandLine.h"

bool IsRunCommand(const std::string& commandLine) {
    return commandLine.compare(0, 3, "RUN") == 0;
}

std::string CleanParameters(const std::string& commandLine) {
    if (commandLine.size() < 4)
        return std::string();
    std::string name = commandLine.substr(4);
    name.erase(0, name.find_first_not_of(' '));
    if (!name.empty() && name.front() == '"')
        name.erase(0, 1);
    if (!name.empty() && name.back() == '"')
        name.pop_back();
    return name;
}
