#pragma once
// A planned box shown as a task dialog of the version-6 common controls.

#include "box/core/BoxPlan.h"

#include <windows.h>

#include <string>

// Whether this system's common controls offer the task dialog.
bool HasTaskDialog();

// The answer to the box as BoxPlan describes it; 0, with the failure in error, when it could not
// be shown.
int ShowTaskDialogBox(HWND owner, const std::wstring& caption, const std::wstring& text,
                      const BoxPlan& plan, unsigned long& error);
