#include "Payload.h"

#include "InstallerTexts.h"
#include "framework/core/PathText.h"

namespace installer {

std::string ResourceNotLoadedMessage(const std::string& path, const std::string& description) {
    return "The resource \"" + FileNameOf(path) + "\" could not be loaded.\n" + description +
           kAttemptingToContinue;
}

std::string FileNotWrittenMessage(const std::string& path, const std::string& description) {
    return "The file \"" + FileNameOf(path) + "\" could not be written.\n" + description +
           kAttemptingToContinue;
}

} // namespace installer
