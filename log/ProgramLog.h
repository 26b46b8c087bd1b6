#pragma once
// The program's log: its text (collected in memory, in UTF-8 like every text of the program), its
// messages and its file (in the ANSI code page, LogFileText).

#include "log/core/LogText.h"

#include <string>

class ProgramLog : public LogText {
public:
    // Takes its time from the system clock.
    ProgramLog();

    // Logs the text, then shows it in a message box owned by the main window while that exists.
    // Text and caption in UTF-8.
    int ShowMessage(const std::string& text, const std::string& caption, unsigned type);

    // The text as the file keeps it.
    std::string GetFileText() const;

    // Closes the run with the end and run-time lines and appends the text to the file,
    // one empty line after an earlier run. Reports a failure itself and returns false.
    bool WriteToFile(const std::string& path);
};
