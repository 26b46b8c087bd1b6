#pragma once
// The batch file that removes the uninstaller and its folder once the uninstaller has ended,
// then itself. Five lines:
//     :Repeat
//     del "<program>"
//     if exist "<program>" goto Repeat
//     rmdir "<folder\>"
//     del "<script>"
// The folder keeps its trailing backslash inside the quotes; the last line has no line end.

#include <array>
#include <string>

namespace uninstaller {

// The script's text in the three pieces the uninstaller writes, line feeds as "\n" (a file in
// text mode stores each as CR LF).
std::array<std::string, 3> SelfRemovalScriptPieces(const std::string& programPath,
                                                   const std::string& programFolder,
                                                   const std::string& scriptPath);

// The bytes of the script file: the pieces joined, every line feed stored as CR LF.
std::string SelfRemovalScriptFile(const std::string& programPath, const std::string& programFolder,
                                  const std::string& scriptPath);

// A temporary file's name with its extension replaced by extension (given without the period):
// everything up to the last period of the file name, a period and extension. Empty when the file
// name holds no period (a period in a folder name does not count).
std::string WithExtension(const std::string& path, const std::string& extension);

// The number a temporary name "TMP<hex>.<extension>" carries (its hexadecimal digits in either
// case), or 0 when the file name is not of that form.
unsigned TempNameNumber(const std::string& path);

// The number that follows unique among those a temporary name can carry, 1 to 0xFFFF: after
// 0xFFFF comes 1 again (0 would ask the system to choose one).
unsigned NextTempNumber(unsigned unique);

} // namespace uninstaller
