#pragma once
// The shortcut on the desktop of all users.

#include "ProtectedAccess.h"

#include <string>

// Saves a shell link linkName in the all-users desktop folder, pointing at target with no
// arguments, the working folder, the description and the show command SW_SHOW; an existing link
// of that name is replaced, unless it is a link to another file (a hard or symbolic link), which
// is refused before anything is written. The saved file gets access's owner and list, as the
// installer's files do. Each failure is reported and ends the attempt; true when the link was
// saved and protected. The texts in UTF-8 (PathEncoding.h), given to the link in UTF-16, so that a
// target of any script is named whole.
bool CreateShortcut(const std::string& target, const std::string& linkName,
                    const std::string& workingDirectory, const std::string& description,
                    const ProtectedAccess& access);
