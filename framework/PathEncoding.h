#pragma once
// Paths in any script, as the programs hold them: UTF-8 in a std::string, handed to the system's
// wide functions in UTF-16. The programs show them whole (MessageBoxW) and write their logs with
// LogFileText.

#include <string>

std::wstring WidePath(const std::string& path);
std::string Utf8Path(const std::wstring& path);
