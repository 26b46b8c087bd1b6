#pragma once
// The uninstaller's messages and the one word of its command line.

#include "support/core/ProductInfo.h"

#include <string>

namespace uninstaller {

// The command line that makes a run silent: exactly this word, in this case, and nothing else.
constexpr const char* kSilentWord = product::kSilentArgument;

constexpr const char* kNotAdministratorQuestion =
    "You are currently not logged in as an administrator.\nYou may not be able to uninstall this "
    "program unless you login as an administrator.\nContinue anyway?";
constexpr const char* kCloseZembraRequest = "Please close Zembra before continuing.";
constexpr const char* kConfirmQuestion = "Are you sure you want to uninstall Zembra 1.0?";
constexpr const char* kCouldNotDeleteUninstaller = "Could not delete \"Uninstall.exe\"";
constexpr const char* kIncompleteReport = "Zembra 1.0 was not completely removed.";
constexpr const char* kSuccessReport = "Zembra 1.0 was successfully removed.";

// True only for the exact word "Silent" (case-sensitive, nothing before or after it).
bool IsSilentCommandLine(const std::string& commandLine);

// "Program installation path could not be found.\n" and the error's description.
std::string InstallPathMessage(const std::string& errorDescription);

// "Could not delete file: "<path>"\n" and the error's description.
std::string DeleteFileMessage(const std::string& path, const std::string& errorDescription);

// "Unable to delete registry key:\n", the root's text, the key, "\n" and the description.
std::string DeleteKeyMessage(const std::string& hiveName, const std::string& key,
                             const std::string& errorDescription);

// "Could not write batch file.\n" and the description of what went wrong.
std::string WriteScriptMessage(const std::string& errorDescription);

} // namespace uninstaller
