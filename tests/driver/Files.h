#pragma once
// Files and folders as the tests prepare and inspect them.

#include <optional>
#include <string>
#include <vector>

namespace testdriver {

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// The whole file; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
// The names of the files (not the folders) in folder (with its trailing backslash), in the order
// the system lists them.
std::vector<std::string> FileNamesIn(const std::string& folder);
// Writes the bytes to path, replacing it; true when all were written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Creates path (a folder, with or without its trailing backslash) and every missing folder above.
void CreateFolders(const std::string& path);
// Removes path with everything in it, read-only files included.
void RemoveTree(const std::string& path);

} // namespace testdriver
