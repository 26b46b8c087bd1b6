#pragma once
// The program's command line: the RUN word and the file name that follows it.

#include <string>

// True when the command line begins with exactly "RUN" (case-sensitive).
bool IsRunCommand(const std::string& commandLine);

// The file name of a RUN command line: the first four characters dropped, then leading
// blanks, then one opening and one closing double quote. Nothing else is changed.
std::string CleanParameters(const std::string& commandLine);
