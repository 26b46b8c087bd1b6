#pragma once
// The install dialog: the target folder, Browse, Install and Cancel.

#include "framework/Dialog.h"
#include "installer/core/Outcome.h"

#include <string>

class CInstallDialog : public CDialog {
public:
    // The dialog offering installPath in its path field.
    explicit CInstallDialog(std::string installPath);

    // How the run ended: nothing installed unless Install installed something.
    installer::InstallOutcome GetOutcome() const { return m_outcome; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code) override;

private:
    // Accepts only a full path: otherwise warns and leaves the dialog open with nothing written.
    // Then decides on the installed version, removes it when the user agrees, installs, and ends
    // the dialog in every case, also when the installation was stopped by an exception.
    void OnInstall();
    // Takes the path field's text as the folder offered, and lets the user pick a folder starting
    // from it; the path field changes only when one is chosen.
    void OnBrowse();
    // The path field's text, any character in it, in UTF-8 (PathEncoding.h), and the field set so.
    std::string PathField() const;
    void SetPathField(const std::string& path) const;
    // Gives the path field the focus with its whole text selected and the caret in view.
    void SelectPath() const;

    // The folder offered, in UTF-8: put into the path field at start, refreshed from it by Browse.
    std::string m_strInstallPath;
    installer::InstallOutcome m_outcome = installer::InstallOutcome::NothingInstalled;
    // From Install on, until the dialog ends.
    bool m_bInstalling = false;
};
