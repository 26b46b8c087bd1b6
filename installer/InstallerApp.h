#pragma once
// Install Zembra 1.0: asks, warns a user who is not an administrator, then shows the install
// dialog.

#include "framework/WinApp.h"

class CInstallerApp : public CWinApp {
public:
    CInstallerApp();
    // The whole program: always FALSE, so the program ends when it returns.
    BOOL InitInstance() override;
};
