#pragma once
// Writing the payload into the install folder. Paths in UTF-8 (PathEncoding.h).

#include <string>

// Creates the folder dir (ending in a backslash; its parent must exist) and writes the five
// payload files into it, in order. Reports a folder that cannot be created and writes nothing
// then; reports each file that cannot be loaded or written and goes on with the next. True when
// every file was written.
bool ExtractFiles(const std::string& dir);

// Writes the resource of type type and identifier id, byte for byte in one write, to path.
// Reports a failure, naming the file alone; true when the file was written.
bool ExtractResourceFile(const char* type, unsigned id, const std::string& path);
