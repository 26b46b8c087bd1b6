#pragma once
// The desktop folder shared by all users, where the product's shortcut lies.

#include <string>

// The expansion of "%HOMEDRIVE%\Documents and Settings\All Users\Desktop\", with its trailing
// backslash; no shell folder is asked. A reference that is not defined stays in the text as it
// is, and when the expansion fails or does not fit in MAX_PATH characters the text is returned
// unexpanded, never cut short: a path built on it then names no existing file.
std::string GetCommonDesktopPath();
