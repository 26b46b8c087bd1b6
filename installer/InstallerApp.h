#pragma once
// Install Zembra 1.0: asks, warns a user who is not an administrator, then shows the install
// dialog. Whatever an exception barrier stops is shown in a box.

#include "framework/WinApp.h"

class CInstallerApp : public CWinApp {
public:
    CInstallerApp();
    // The whole program: always FALSE, so the program ends when it returns.
    BOOL InitInstance() override;
    // The outcome as exit code: 0 installed completely, 1 installed with a failed step, 2 nothing
    // installed.
    int ExitInstance() override;

private:
    void RunInstaller();

    int m_nExitCode;
};
