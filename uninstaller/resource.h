// Resource identifiers of Uninstall.exe.
#pragma once

// The program's icon.
#define IDI_UNINSTALL 101
