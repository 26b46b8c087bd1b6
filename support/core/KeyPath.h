#pragma once
// Registry key paths as text: joining a parent path and a child name.

#include <string>

// parent + "\" + child with exactly one backslash between them, whatever backslashes the parent
// ends with or the child begins with. An empty parent (a key right below the root) gives the child
// alone, never a leading backslash.
std::string JoinKeyPath(const std::string& parent, const std::string& child);

// True when the path names no key below its root: empty, or nothing but backslashes.
bool IsRootPath(const std::string& path);
