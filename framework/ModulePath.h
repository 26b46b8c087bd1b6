#pragma once
// Where the running program lies.

#include <string>
#include <windows.h>

// Full file name of the module (NULL: the running program) in UTF-8; empty when it cannot be had
// whole.
std::string GetModulePath(HMODULE module = NULL);

// The running program's full file name in UTF-16, whatever characters its folder holds; empty
// when it cannot be had whole.
std::wstring GetModuleWidePath();

// The running program's folder with its trailing backslash, such as "C:\Tools\", in UTF-8; empty
// when the program's path cannot be had or holds no backslash.
std::string GetProgramDirectory();
