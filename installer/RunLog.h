#pragma once
// The log a run keeps when /LOG= names a file: each step and each message, one line each ending
// in CR LF, written to the file at once, so that it holds everything up to the end however the
// run ends. Without an open log nothing is written.

#include <string>

// Creates the log file, or empties an existing one once it has been opened and found to be a
// file of its own (OpenOwnFile: no link of any kind leads to another file); false when it cannot
// be opened or is refused, and the run then keeps no log. 0, or the system's error code.
unsigned long OpenRunLog(const std::string& path);

// Appends one line (UTF-8) after the time of day, in the file as LogFileText keeps it: the ANSI
// code page, "<U+XXXX>" for what that lacks; line feeds inside it start further lines. A line that
// cannot be written is passed over: the log never stops the installation.
void LogStep(const std::string& line);
