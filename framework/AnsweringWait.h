#pragma once
// Waiting on the user-interface thread without the thread's windows falling silent: a dialog that
// waits for another process still paints, moves and answers what other programs send it.

#include <windows.h>

// Waits, as WaitForSingleObject does, until object is signalled or limitMs milliseconds (INFINITE:
// no limit) have passed, dispatching meanwhile every message sent or posted to the thread's
// windows. object may be NULL: the wait then only lets the time pass. A WM_QUIT met on the way
// ends the dispatching (the wait goes on) and is posted again afterwards, for the loop it was meant
// for. WAIT_OBJECT_0, WAIT_TIMEOUT or WAIT_FAILED.
DWORD WaitAnswering(HANDLE object, DWORD limitMs);
