#include "Payload.h"

#include "InstallerTexts.h"

namespace installer {

std::string InstallDirectory(const std::string& path) {
    if (path.empty() || path.back() != '\\')
        return path + '\\';
    return path;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResourceNotLoadedMessage(const std::string& path, const std::string& description) {
    return "The resource \"" + FileNameOf(path) + "\" could not be loaded.\n" + description +
           kAttemptingToContinue;
}

std::string FileNotWrittenMessage(const std::string& path, const std::string& description) {
    return "The file \"" + FileNameOf(path) + "\" could not be written.\n" + description +
           kAttemptingToContinue;
}

std::string FirstChars(const std::string& text, std::size_t maxChars) {
    return text.substr(0, maxChars);
}

} // namespace installer
