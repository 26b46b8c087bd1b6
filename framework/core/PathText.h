#pragma once
// Paths as text: a folder ready to have a name appended, and the name at a path's end.

#include <string>

// The folder with a backslash at its end: unchanged when it has one, and an empty folder stays
// empty, so that it never turns into the root of the current drive.
std::string WithTrailingBackslash(const std::string& folder);

// The part of a path after its last backslash, slash or colon (the whole path when it holds
// none; empty when the path ends in one).
std::string FileNameOf(const std::string& path);
