#pragma once
// Waiting for what an ended uninstaller left running: its removal script keeps deleting the
// uninstaller's file by name and removes the install folder once empty, so nothing may be written
// into that folder until the script has finished.

#include <windows.h>

#include <string>

// uninstaller is the ended uninstaller's process, still held so that its id stays its own. Waits
// until every process it started (and they started) has ended and, when it reported a complete
// removal (exit code 0), its file uninstallerPath (in UTF-8) is gone; at most limitMs milliseconds,
// so a missing or stuck script never holds the installation up for longer. Then ends every one of
// those processes that still runs: a slow script must not delete the new installation's files.
// The thread's windows answer throughout (WaitAnswering).
void WaitForSelfRemoval(HANDLE uninstaller, const std::string& uninstallerPath, DWORD limitMs);
