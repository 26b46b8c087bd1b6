#pragma once
// The question asked before a document of another version is read, in the wording of run mode
// and of the editor. Both write the versions as the product does, with one decimal.

#include <string>

// "Zembra 1.0 may not be able to load Zembra <version> files.\nAttempt anyway?"
std::string RunVersionQuestion(double fileVersion);

// "Zembra version 1.0 may not be able to load version <version> MessageBox files.\nAttempt
// anyway?"
std::string EditorVersionQuestion(double fileVersion);
