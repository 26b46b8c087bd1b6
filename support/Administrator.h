#pragma once
// Whether the user running the program belongs to the local Administrators group, and the question
// the installer and the uninstaller put to one who does not.

#include <string>

// True when any group of the process's token is BUILTIN\Administrators, enabled or deny-only:
// membership alone counts. False when the token cannot be read.
bool IsAdministrator();

// True to go on: at once for an administrator; for anyone else only when question, asked with Yes
// and No (MB_YESNO | MB_ICONINFORMATION, the application name as caption), is answered Yes.
bool ConfirmUnlessAdministrator(const std::string& question);
