#include "VersionQuestion.h"

#include "support/core/VersionText.h"

std::string RunVersionQuestion(double fileVersion) {
    return "Zembra " + ProductVersionText() + " may not be able to load Zembra " +
           VersionText(fileVersion) + " files.\nAttempt anyway?";
}

std::string EditorVersionQuestion(double fileVersion) {
    return "Zembra version " + ProductVersionText() + " may not be able to load version " +
           VersionText(fileVersion) + " MessageBox files.\nAttempt anyway?";
}
