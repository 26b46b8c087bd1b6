#include "InstallFolder.h"

#include "framework/core/PathText.h"
#include "support/core/ProductInfo.h"

namespace installer {

namespace {

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "\\server\share" with both names present, whatever follows the share's backslash.
bool IsUncPath(const std::string& path) {
    if (path.compare(0, 2, "\\\\") != 0)
        return false;
    const std::size_t serverEnd = path.find('\\', 2);
    if (serverEnd == std::string::npos || serverEnd == 2)
        return false;
    const std::string server = path.substr(2, serverEnd - 2);
    if (server == "." || server == "?")
        return false;
    const std::size_t shareEnd = path.find('\\', serverEnd + 1);
    return (shareEnd == std::string::npos ? path.size() : shareEnd) > serverEnd + 1;
}

// The path a recorded command names: the text inside its first pair of double quotes when it
// begins with one (as this version records it), otherwise the whole text (as earlier versions
// recorded it, unquoted).
std::string CommandPath(const std::string& command) {
    if (command.empty() || command.front() != '"')
        return command;
    const std::size_t closing = command.find('"', 1);
    return closing == std::string::npos ? std::string() : command.substr(1, closing - 1);
}

} // namespace

bool IsFullPath(const std::string& path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\')
        return true;
    return IsUncPath(path);
}

std::string PreviousUninstaller(const std::string& uninstallString,
                                const std::string& recordedPath) {
    const std::string recorded = CommandPath(uninstallString);
    if (IsFullPath(recorded))
        return recorded;
    if (IsFullPath(recordedPath))
        return WithTrailingBackslash(recordedPath) + product::kUninstallerFile;
    return std::string();
}

std::string QuietUninstallCommand(const std::string& dir) {
    return "\"" + dir + product::kUninstallerFile + "\" " + product::kSilentArgument;
}

} // namespace installer
