#pragma once
// Opening the log file, which other Zembra processes append to as well.

#include <string>

class CFile;

// Opens the log file. Another run that ends at the same moment holds the file while it writes its
// own log: the open waits for it (a few hundred milliseconds at most) and only then throws the
// sharing failure. Every other failure throws at once.
void OpenLogFile(CFile& file, const std::string& path, unsigned flags);
