#pragma once
// Files and folders as the tests prepare and inspect them.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace testdriver {

// The system's temporary folder, with its backslash.
std::string TempFolder();
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// The whole file; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
std::optional<std::string> ReadFileBytes(const std::wstring& path);
// True once the file at path holds exactly bytes, within limit. The file is opened only while its
// size is that of bytes: Wine refuses to replace a file that anyone has open, so a test reading a
// file while the program saves it by moving a new one over it would make that save fail.
bool WaitForFileBytes(const std::string& path, const std::string& bytes,
                      std::chrono::milliseconds limit);
// One entry of a folder: a file or a folder below it.
struct FolderEntry {
    std::string name;
    bool isFolder;
};
// The entries that pattern (a folder and a name with wildcards) matches, in the order the system
// lists them; "." and ".." left out.
std::vector<FolderEntry> EntriesMatching(const std::string& pattern);
// The names of the files (not the folders) in folder (with its trailing backslash), in the order
// the system lists them.
std::vector<std::string> FileNamesIn(const std::string& folder);
// Writes the bytes to path, replacing it; true when all were written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Creates path (a folder, with or without its trailing backslash) and every missing folder above.
void CreateFolders(const std::string& path);
// Removes path with everything in it, read-only files included; a link among them is removed
// itself, never what it leads to.
void RemoveTree(const std::string& path);

// Under Wine: makes link (a path whose folder exists) a symbolic link of the Unix file system to
// the existing folder target, which Wine reports as a folder that is a reparse point, as Windows
// reports a junction or a folder's symbolic link (Wine makes neither itself). False when it could
// not be made.
bool MakeFolderLink(const std::string& link, const std::string& target);

} // namespace testdriver
