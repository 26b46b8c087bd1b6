#pragma once
// Pictures of windows for a reviewer, kept with the test output.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testdriver {

// The folder the tests keep their output in (build/test-output, or ZEMBRA_TEST_OUTPUT when that
// environment variable is set), with a trailing backslash; created when missing.
std::string TestOutputFolder();

// What the screen shows in rect (screen coordinates), row by row from the top, each pixel
// 0x00RRGGBB; nothing when it cannot be copied.
std::optional<std::vector<DWORD>> ScreenPixels(const RECT& rect);

// Saves what the screen shows of window (which must not be covered), once it has painted itself
// afresh, as name.png in the test output folder; name must be a plain file name without
// extension. Returns the file's path, or "" when the picture could not be taken or written.
std::string SaveScreenshot(HWND window, const std::string& name);

// The DPI of the display the tests run on.
int ScreenDpi();
// The DPI the session was set up with: ZEMBRA_EXPECTED_DPI when set (tests/at-dpi sets it), else
// the system's default of 96.
int ExpectedDpi();
// SaveScreenshot under name followed by the display's DPI ("about-144dpi").
std::string SaveScreenshotAtDpi(HWND window, const std::string& name);

} // namespace testdriver
