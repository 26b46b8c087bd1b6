#pragma once
// Saving a whole file so that a failure never leaves it half written.

#include <string>
#include <vector>

// Writes bytes as the file at path. They go to a new file in the same folder first, which then
// takes the place of the file that was there, keeping that file's identity (attributes,
// permissions, creation time, other streams), or its name when there was none. Where the folder
// allows no new file but the file itself may be written, the file is written in place.
// Throws CFileException with the system's text; the file that was there is then as it was (a
// failed write in place excepted).
void SaveFileBytes(const std::wstring& path, const std::vector<unsigned char>& bytes);
// The same for a path in UTF-8.
void SaveFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// Writes bytes as a new file at path, written whole beside it first and given the name only
// while no file has it. Throws CFileException, with ERROR_ALREADY_EXISTS when a file has it.
void SaveNewFileBytes(const std::wstring& path, const std::vector<unsigned char>& bytes);
