#pragma once
// The files an installation consists of, as the installer carries them: resources of type "INST"
// stored in U.S. English, written in this order. The resource script includes this header for the
// identifiers alone; the rest is C++ and hidden from it.

// The payload's resource identifiers.
#define ZEMBRA_PAYLOAD_PROGRAM 131
#define ZEMBRA_PAYLOAD_TEMPLATE 132
#define ZEMBRA_PAYLOAD_UNINSTALLER 133
#define ZEMBRA_PAYLOAD_HELP 130
#define ZEMBRA_PAYLOAD_DOCUMENT_ICON 129
#define ZEMBRA_PAYLOAD_CLI 128

#ifndef RC_INVOKED

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
    {ZEMBRA_PAYLOAD_PROGRAM, product::kProgramFile},
    {ZEMBRA_PAYLOAD_TEMPLATE, product::kTemplateFile},
    {ZEMBRA_PAYLOAD_UNINSTALLER, product::kUninstallerFile},
    {ZEMBRA_PAYLOAD_HELP, product::kHelpFile},
    {ZEMBRA_PAYLOAD_DOCUMENT_ICON, product::kDocumentIconFile},
    {ZEMBRA_PAYLOAD_CLI, product::kCliFile},
};
constexpr std::size_t kPayloadCount = sizeof kPayload / sizeof kPayload[0];

// "The resource \"<file>\" could not be loaded.\n" + description + "Attempting to continue
// installation."
std::string ResourceNotLoadedMessage(const std::string& path, const std::string& description);

// "The file \"<file>\" could not be written.\n" + description + "Attempting to continue
// installation."
std::string FileNotWrittenMessage(const std::string& path, const std::string& description);

} // namespace installer

#endif // RC_INVOKED
