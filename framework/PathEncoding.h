#pragma once
// Paths in any script, as the installer and the uninstaller hold them: UTF-8 in a std::string,
// handed to the system's wide functions in UTF-16, and shown to people (messages, the installer's
// log) in the ANSI code page. A path the ANSI code page holds reads the same in all three.

#include <string>

std::wstring WidePath(const std::string& path);
std::string Utf8Path(const std::wstring& path);

// The path in the ANSI code page for a message or a log line; a character the code page cannot
// hold becomes "?" (never a look-alike of another character).
std::string PathForMessage(const std::string& path);
