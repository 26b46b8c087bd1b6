#pragma once
// Install Zembra 1.0: asks, warns a user who is not an administrator, then shows the install
// dialog; or, with /S, installs without any window (installer/core/CommandLine.h). Whatever an
// exception barrier stops is shown in a box, or only logged when silent.

#include "framework/WinApp.h"

#include <string>

class CInstallerApp : public CWinApp {
public:
    CInstallerApp();
    // The whole program: always FALSE, so the program ends when it returns.
    BOOL InitInstance() override;
    // The outcome as exit code: 0 installed completely, 1 installed with a failed step, 2 nothing
    // installed.
    int ExitInstance() override;

    // Whether the run shows nothing at all (/S): every message is then only logged.
    bool IsSilent() const { return m_bSilent; }

private:
    void RunInstaller();
    // The two questions, then the dialog offering folder.
    void RunInteractively(const std::string& folder);
    void RunSilently(const std::string& folder);

    bool m_bSilent = false;
    int m_nExitCode;
};
