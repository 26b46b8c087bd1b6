#include "UninstallerText.h"

namespace uninstaller {

bool IsSilentCommandLine(const std::string& commandLine) {
    return commandLine == kSilentWord;
}

std::string InstallPathMessage(const std::string& errorDescription) {
    return "Program installation path could not be found.\n" + errorDescription;
}

std::string DeleteFileMessage(const std::string& path, const std::string& errorDescription) {
    return "Could not delete file: \"" + path + "\"\n" + errorDescription;
}

std::string DeleteKeyMessage(const std::string& hiveName, const std::string& key,
                             const std::string& errorDescription) {
    return "Unable to delete registry key:\n" + hiveName + key + "\n" + errorDescription;
}

std::string WriteScriptMessage(const std::string& errorDescription) {
    return "Could not write batch file.\n" + errorDescription;
}

} // namespace uninstaller
