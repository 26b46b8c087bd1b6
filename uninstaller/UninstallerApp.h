#pragma once
// The uninstaller's application object: it runs the whole removal from InitInstance and ends
// with exit code 0 after a complete removal, 1 otherwise.

#include "framework/WinApp.h"

#include <string>

class CUninstallerApp : public CWinApp {
public:
    CUninstallerApp();

    // The whole run: the checks, the question, the removal and its report. Always FALSE.
    BOOL InitInstance() override;
    // 1 when anything failed or the user declined or cancelled, otherwise 0.
    int ExitInstance() override;

    // Every message of the program: without an owner window, or, when the run is silent, not at
    // all and answered IDYES.
    int ShowMessage(const std::string& text, const std::string& caption, unsigned type) const;

    // Set when the command line is exactly "Silent".
    bool m_bSilent;

private:
    // The checks, the question and the removal; every way it ends short of a complete removal
    // marks the run incomplete.
    void Uninstall();
    // Remembers that the removal is not complete (exit code 1).
    void MarkIncomplete();

    // Set by MarkIncomplete; never cleared.
    BOOL m_bIncomplete;
};

// The one application object.
CUninstallerApp& GetUninstallerApp();
