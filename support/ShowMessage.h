#pragma once
// The programs' own messages (errors, questions, reports) to the user: the framework's message
// seam (SetMessageHandler, ShowMessage, ShowMessageBox), and the uninstaller's silent answer.
// The editor logs each text and then calls ShowMessageBox; the uninstaller, when it runs silently,
// sets SilentMessageHandler.

#include "framework/MessageBox.h"

// Shows nothing and answers IDYES (6) to every message, questions and errors alike.
int SilentMessageHandler(const std::string& text, const std::string& caption, unsigned type);
