#pragma once
// The log a run keeps when /LOG= names a file: each step and each message, one line each ending
// in CR LF, written to the file at once, so that it holds everything up to the end however the
// run ends. Without an open log nothing is written.

#include <string>

// Creates the log file, emptying an existing one; false when it cannot be created, and the run
// then keeps no log.
bool OpenRunLog(const std::string& path);

// Appends one line after the time of day; line feeds inside it start further lines. A line that
// cannot be written is passed over: the log never stops the installation.
void LogStep(const std::string& line);
