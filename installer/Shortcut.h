#pragma once
// The shortcut on the desktop of all users.

#include <string>

// Saves a shell link linkName in the all-users desktop folder, pointing at target with no
// arguments, the working folder, the description and the show command SW_SHOW; an existing link
// of that name is replaced. Each failure is reported and ends the attempt; true when the link was
// saved. The texts in UTF-8 (PathEncoding.h), given to the link in UTF-16, so that a target of any
// script is named whole.
bool CreateShortcut(const std::string& target, const std::string& linkName,
                    const std::string& workingDirectory, const std::string& description);
