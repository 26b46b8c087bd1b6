#pragma once
// What a program file's header tells the loader: the DLLs it imports and the functions it takes
// from each, its entry point and the protections it asks for. Read from the file's bytes, without
// loading it.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testdriver {

struct ImportedDll {
    std::string name;                   // as the file names it ("KERNEL32.dll")
    std::vector<std::string> functions; // by name; an import by number reads "#<number>"
};

struct ProgramImage {
    WORD characteristics = 0;    // the file header's (IMAGE_FILE_...)
    WORD subsystem = 0;          // IMAGE_SUBSYSTEM_WINDOWS_GUI or _CUI
    WORD dllCharacteristics = 0; // IMAGE_DLLCHARACTERISTICS_...
    DWORD relocationsSize = 0;   // the base relocation directory's size
    std::vector<ImportedDll> imports;
    std::vector<std::string> delayImports; // the DLLs the program loads on first call
};

// The image of the 64-bit program file at path; nothing when it cannot be read or is not one.
std::optional<ProgramImage> ReadProgramImage(const std::string& path);

} // namespace testdriver
