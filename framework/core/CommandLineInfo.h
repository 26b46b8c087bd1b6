#pragma once
// What a document program's command line asks for: a new document, or the document it names.

#include <string>
#include <vector>

// The arguments of a command line (without the program's name), split as the C runtime splits
// them: blanks and tabs separate; double quotes group and are removed; 2n backslashes before a
// quote give n backslashes and the quote groups, 2n+1 give n backslashes and a literal quote;
// two quotes inside a quoted part give one literal quote.
std::vector<std::string> SplitArguments(const std::string& commandLine);

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen };

    // Takes one argument: a switch (beginning with '/' or '-') is ignored; the first argument
    // that is not one is the file to open.
    void ParseParam(const std::string& argument);

    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
};

// Fills info from the command line's arguments.
void ParseCommandLine(const std::string& commandLine, CCommandLineInfo& info);
