#pragma once
// Tools, Log Options: whether the log file is written, where, and its size limit in kilobytes.
// OK changes the application's log settings at once; they reach the registry at exit.

#include "framework/Dialog.h"
#include "framework/ToolTipCtrl.h"

class COptionsDialog : public CDialog {
public:
    explicit COptionsDialog(HWND parent);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code) override;

private:
    void OnOutputLogClicked();
    void OnBrowse();

    CToolTipCtrl m_ToolTip;
};
