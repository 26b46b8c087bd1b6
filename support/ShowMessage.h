#pragma once
// The programs' own messages (errors, questions, reports) to the user.

#include <string>

// Shows a message and returns the number of the pressed button, as MessageBoxA does.
using MessageHandler = int (*)(const std::string& text, const std::string& caption, unsigned type);

// Routes every ShowMessage through the handler; NULL restores ShowMessageBox.
// The editor logs each text and then calls ShowMessageBox; the uninstaller, when it runs silently,
// sets SilentMessageHandler.
void SetMessageHandler(MessageHandler handler);

// Shows the message through the handler that is set, by default ShowMessageBox.
// The caption is the application name; type is a MessageBoxA style such as MB_ICONERROR (16).
int ShowMessage(const std::string& text, const std::string& caption, unsigned type);

// MessageBoxA owned by GetMessageOwner(). A handler that shows a box itself calls this, never
// ShowMessage, which would call the handler again.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type);

// Shows nothing and answers IDYES (6) to every message, questions and errors alike.
int SilentMessageHandler(const std::string& text, const std::string& caption, unsigned type);
