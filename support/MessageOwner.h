#pragma once
// The window that owns the program's own message boxes: the main window while it exists.

#include <windows.h>

// The application's main window when it has one and it still exists; otherwise NULL (for
// instance after the main window has been destroyed at program end).
HWND GetMessageOwner();
