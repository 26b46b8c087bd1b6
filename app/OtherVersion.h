#pragma once
// The question before a document of another version is read, asked and logged the same way in
// run mode and in the editor.

#include <string>

// Logs that the file's version differs, asks the question (Yes or No, with the application name
// as caption) and logs the answer. True when the user chose to attempt reading the file.
bool AttemptOtherVersion(const std::string& question);
