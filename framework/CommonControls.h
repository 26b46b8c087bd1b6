#pragma once
// The common controls of today's Windows (version 6, which the programs' manifests ask for): the
// controls drawn in the user's visual style. The DLL is loaded on first use, so that a run which
// only shows a message box does not pay for registering classes it never creates.

#include <windows.h>

// Registers the control classes named by classes (ICC_ flags) unless an earlier call did.
// False when the DLL cannot be loaded or refuses.
bool LoadCommonControls(DWORD classes);
