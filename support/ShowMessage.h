#pragma once
// The programs' own messages (errors, questions, reports) to the user go through the framework's
// message seam: SetMessageHandler, ShowMessage and ShowMessageBox. Each program sets its own
// handler, which decides whether and how a message is shown.

#include "framework/MessageBox.h"
