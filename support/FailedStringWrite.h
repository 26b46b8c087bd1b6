#pragma once
// The installer's report of a string value that could not be written into a key that did open.

#include <string>

// Called by RegistryKey::SetString with the value's name when its key opened but the value
// could not be set. No hook is set by default, so nothing is reported.
using FailedStringWriteHook = void (*)(const std::string& valueName);

// Sets the hook; NULL removes it. The installer sets one that calls ReportFailedStringWrite with
// its application name.
void SetFailedStringWriteHook(FailedStringWriteHook hook);

// Calls the hook when one is set.
void NotifyFailedStringWrite(const std::string& valueName);

// Shows "The registry key <valueName> could not be created." through ShowMessage with the given
// caption and MB_OK | MB_ICONERROR.
void ReportFailedStringWrite(const std::string& valueName, const std::string& caption);
