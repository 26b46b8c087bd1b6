#pragma once
// Paths in any script, as the programs hold them: UTF-8 in a std::string, handed to the system's
// wide functions in UTF-16. The installer and the uninstaller show them to people (messages, the
// installer's log) in the ANSI code page; Zembra shows them whole (MessageBoxW) and writes its log
// with LogFileText. A path the ANSI code page holds reads the same in all of them.

#include <string>

std::wstring WidePath(const std::string& path);
std::string Utf8Path(const std::wstring& path);

// The path in the ANSI code page for a message or a log line; a character the code page cannot
// hold becomes "?" (never a look-alike of another character).
std::string PathForMessage(const std::string& path);
