#pragma once
// A string value that could not be written into a key that did open: the installer reports it, no
// other program does.

#include <functional>
#include <string>

// Told the value's name by RegistryKey::SetString and SetWideString (and WriteRegistryEntries) when
// the caller gives one; an empty one tells nothing.
using FailedStringWrite = std::function<void(const std::string& valueName)>;

// Shows "The registry key <valueName> could not be created." through ShowMessage with the given
// caption and MB_OK | MB_ICONERROR.
void ReportFailedStringWrite(const std::string& valueName, const std::string& caption);
