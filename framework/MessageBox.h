#pragma once
// Every message a program shows for itself, the framework's own included (the save question, a
// file that cannot be opened or saved), passes one seam, so that a program can log each text or
// answer every question itself.

#include <windows.h>

#include <string>

// Shows a message and returns the number of the pressed button, as MessageBoxA does.
using MessageHandler = int (*)(const std::string& text, const std::string& caption, unsigned type);

// Routes every message through handler; NULL restores ShowMessageBox.
void SetMessageHandler(MessageHandler handler);

// Shows the message through the handler that is set, by default ShowMessageBox.
int ShowMessage(const std::string& text, const std::string& caption, unsigned type);

// The framework's own messages: ShowMessage with the application name as caption.
int AfxMessageBox(const std::string& text, unsigned type);

// The window that owns the program's own boxes: the application's main window while it exists;
// otherwise NULL (for instance after the main window has been destroyed at program end).
HWND GetMessageOwner();

// MessageBoxW, the system's road to a first window prepared (PrepareSystemRoad): every box of the
// programs is shown through this.
int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                     unsigned type);
// The same for texts in the ANSI code page (the programs hold their texts in UTF-8 and call the
// wide form themselves).
int SystemMessageBox(HWND owner, const std::string& text, const std::string& caption,
                     unsigned type);

// SystemMessageBox owned by GetMessageOwner(). A handler that shows a
// box itself calls this, never ShowMessage, which would call the handler again.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type);
