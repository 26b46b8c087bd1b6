#pragma once
// The system's open and save dialogs (explorer style) as a program shows them.

#include "tests/driver/Process.h"

#include <windows.h>

#include <string>

namespace testdriver {

// The first visible open or save dialog of the process within limit; nullptr when none appears.
HWND WaitForFileDialog(const Process& process, milliseconds limit);
// True for an explorer-style open or save dialog (it has the file name box and the OK button).
bool IsFileDialog(HWND window);
// Types path into the dialog's file name box and presses its OK button ("&Open" or "&Save").
bool ChooseFile(HWND dialog, const std::string& path);
// Chooses the entry of the dialog's file type list whose text is exactly label, as a user picks
// it ("All Files (*.*)").
bool ChooseFileType(HWND dialog, const std::string& label);
// Presses the dialog's Cancel button.
bool CancelFileDialog(HWND dialog);

} // namespace testdriver
