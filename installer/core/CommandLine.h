#pragma once
// The installer's command line, for administrators who deploy it to many machines:
//     /S          silent: no question, no dialog, no message box and no other window
//     /LOG=FILE   a text log of the run (FILE quoted when it holds blanks)
//     /D=FOLDER   the install folder; last, taking the rest of the line, blanks included, without
//                 quotes
// Switches are matched without regard to case. No arguments: the interactive flow.

#include <optional>
#include <string>

namespace installer {

struct InstallerCommandLine {
    bool silent = false;
    // The folder of /D=, as given but for blanks after it; nothing without /D=.
    std::optional<std::string> folder;
    // The file of /LOG=; empty without it.
    std::string logFile;
    // The first argument that is none of the above (also "/LOG=" without a file); empty when
    // there is none.
    std::string unknown;
};

// Reads the command line without the program's name.
InstallerCommandLine ParseInstallerCommandLine(const std::string& commandLine);

// The usage box's text for a command line with the argument unknown.
std::string UsageMessage(const std::string& unknown);

// The box's text for a log file of /LOG= that cannot be opened or is refused, with the system's
// description of why.
std::string LogNotOpenedMessage(const std::string& path, const std::string& description);

} // namespace installer
