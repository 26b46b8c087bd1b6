#pragma once
// Whether the user running the program belongs to the local Administrators group.

// True when any group of the process's token is BUILTIN\Administrators, enabled or deny-only:
// membership alone counts. False when the token cannot be read.
bool IsAdministrator();
