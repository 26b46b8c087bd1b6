#pragma once
// The files an installation consists of, as the installer carries them: resources of type "INST"
// stored in U.S. English, written in this order.

#include "support/core/ProductInfo.h"

#include <cstddef>
#include <string>

namespace installer {

constexpr const char* kPayloadType = "INST";
// The language the payload resources are stored in (U.S. English).
constexpr unsigned short kPayloadLanguage = 1033;

struct PayloadFile {
    unsigned short resourceId;
    const char* fileName;
};

constexpr PayloadFile kPayload[] = {
    {131, product::kProgramFile},      {132, product::kTemplateFile},
    {133, product::kUninstallerFile},  {130, product::kHelpFile},
    {129, product::kDocumentIconFile}, {128, product::kCliFile},
};
constexpr std::size_t kPayloadCount = sizeof kPayload / sizeof kPayload[0];

// "The resource \"<file>\" could not be loaded.\n" + description + "Attempting to continue
// installation."
std::string ResourceNotLoadedMessage(const std::string& path, const std::string& description);

// "The file \"<file>\" could not be written.\n" + description + "Attempting to continue
// installation."
std::string FileNotWrittenMessage(const std::string& path, const std::string& description);

} // namespace installer
