#pragma once
// Writing the payload into the install folder. Paths in UTF-8 (PathEncoding.h).

#include "ProtectedAccess.h"
#include "framework/ResourceBytes.h"

#include <string>

// The payload resource of type name type and numeric identifier id (its low 16 bits) in module
// (NULL: the running program), in the user's language or else in the language the payload is
// stored in, whatever the user's language is.
ResourceBytes PayloadResource(const char* type, unsigned id, HMODULE module = nullptr);

// Writes the payload files into the folder dir (ending in a backslash), which the installer holds,
// in order, each with access's owner and list. Reports each file that cannot be loaded or written
// and goes on with the next. True when every file was written.
bool ExtractFiles(const std::string& dir, ProtectedAccess& access);

// Writes the resource of type type and identifier id, byte for byte in one write, to path, a file
// of the installer's own (OpenOwnFile) with access's owner and list. Reports a failure, naming the
// file alone; true when the file was written.
bool ExtractResourceFile(const char* type, unsigned id, const std::string& path,
                         ProtectedAccess& access);
