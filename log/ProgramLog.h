#pragma once
// The program's log: its text (collected in memory), its messages and its file.

#include "log/core/LogText.h"

#include <string>

class ProgramLog : public LogText {
public:
    // Takes its time from the system clock.
    ProgramLog();

    // Logs the text, then shows it in a message box owned by the main window while that exists.
    int ShowMessage(const std::string& text, const std::string& caption, unsigned type);

    // Closes the run with the end and run-time lines and appends the text to the file,
    // one empty line after an earlier run. Reports a failure itself and returns false.
    bool WriteToFile(const std::string& path);
};
