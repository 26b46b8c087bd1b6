#pragma once
// The processes that run at this moment, as one snapshot of the system's process list lists them.

#include <windows.h>

#include <tlhelp32.h>

#include <vector>

// Every entry of a new snapshot of the process list, in the snapshot's order: id, parent id and
// the program's file name without its folder. Empty when no snapshot can be taken.
std::vector<PROCESSENTRY32> ListProcesses();
