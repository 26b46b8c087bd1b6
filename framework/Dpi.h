#pragma once
// Pixels for the display a window is on. The programs tell the system that they follow each
// display's DPI, so the system no longer stretches their windows into blurred pictures: dialogs
// from templates scale themselves, and whatever the programs size in pixels is sized here.

#include "framework/UniqueHandle.h"

#include <windows.h>

// The DPI of the display window is on; the system's DPI where the system cannot tell one window
// from another (before Windows 10, version 1607).
UINT DpiOf(HWND window);

// A system metric (SM_CXICON, SM_CXVSCROLL...) as it is on a display of dpi.
int SystemMetricForDpi(int metric, UINT dpi);

// The program's icon resource at the size icons have at dpi; empty when it cannot be loaded.
IconHandle LoadIconForDpi(WORD resourceId, UINT dpi);
