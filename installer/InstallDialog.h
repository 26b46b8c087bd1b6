#pragma once
// The install dialog: the target folder, Browse, Install and Cancel.

#include "framework/Dialog.h"

class CInstallDialog : public CDialog {
public:
    CInstallDialog();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code) override;

private:
    // Decides on the installed version, removes it when the user agrees, installs, and ends the
    // dialog in every case.
    void OnInstall();
    // Lets the user pick the folder; the path field changes only when one is chosen.
    void OnBrowse();
};
