#include "OptionsDialog.h"

#include "app/AppAccess.h"
#include "app/resource.h"
#include "framework/CommandTable.h"
#include "framework/FileDialog.h"
#include "log/LogFileSettings.h"
#include "log/ProgramLog.h"
#include "log/core/LogSettingsText.h"
#include "support/core/ValueFormat.h"

#include <commctrl.h>

namespace {

void Log(const std::string& text) {
    GetProgramLog().Append(text);
}

constexpr int kTipWidth = 300;
constexpr int kTipDelayMs = 1000;
constexpr int kTipShownMs = 4000;

} // namespace

COptionsDialog::COptionsDialog(HWND parent) : CDialog(IDD_OPTIONS, parent) {
    Log("Creating COptionsDialog.");
    Log("COptionsDialog created.");
}

BOOL COptionsDialog::OnInitDialog() {
    Log("COptionsDialog::OnInitDialog() beginning.");
    const LogFileSettings& settings = GetLogFileSettings();
    CheckDlgButton(m_hWnd, IDC_OUTPUTLOG, settings.bOutputLog ? BST_CHECKED : BST_UNCHECKED);
    OnOutputLogClicked();
    SetDlgItemText(IDC_LOGPATH, settings.LogPath);
    SetDlgItemText(IDC_MAXLOGSIZE, UIntToString(BytesToKilobytes(settings.nMaxLogSize), 1));

    m_ToolTip.Create(m_hWnd);
    m_ToolTip.SetMaxTipWidth(kTipWidth);
    m_ToolTip.SetDelayTime(TTDT_INITIAL, kTipDelayMs);
    m_ToolTip.SetDelayTime(TTDT_AUTOPOP, kTipShownMs);
    m_ToolTip.AddToolTip(GetDlgItem(IDC_OUTPUTLOG),
                         std::string("Enable/disable outputting a log file.\n") +
                             "A log file is required when e-mailing for help.\n" +
                             "See Help->Contents for more information.");
    m_ToolTip.AddToolTip(GetDlgItem(IDC_LOGPATH),
                         std::string("Enter the path that the log file should be") +
                             " outputted to.");
    m_ToolTip.AddToolTip(GetDlgItem(IDC_MAXLOGSIZE),
                         std::string("Enter the maximum size of the log file.\n") +
                             "When the log file reaches this size, it will be emptied.");
    return CDialog::OnInitDialog();
}

bool COptionsDialog::OnCommand(WORD id, WORD code) {
    static const Notification<COptionsDialog> kNotifications[] = {
        {IDC_BROWSE, BN_CLICKED, &COptionsDialog::OnBrowse},
        {IDC_OUTPUTLOG, BN_CLICKED, &COptionsDialog::OnOutputLogClicked},
    };
    return Dispatch(*this, kNotifications, id, code) || CDialog::OnCommand(id, code);
}

void COptionsDialog::OnOutputLogClicked() {
    const BOOL enable = IsDlgButtonChecked(m_hWnd, IDC_OUTPUTLOG) != BST_UNCHECKED;
    EnableWindow(GetDlgItem(IDC_LOGPATH), enable);
    EnableWindow(GetDlgItem(IDC_BROWSE), enable);
    EnableWindow(GetDlgItem(IDC_MAXLOGSIZE), enable);
}

void COptionsDialog::OnBrowse() {
    CFileDialog dialog(FALSE, "txt", GetDlgItemText(IDC_LOGPATH), OFN_NOREADONLYRETURN,
                       "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||", m_hWnd);
    dialog.m_strTitle = "Select Output File";
    if (dialog.DoModal() == IDOK)
        SetDlgItemText(IDC_LOGPATH, dialog.GetPathName());
}

void COptionsDialog::OnOK() {
    const std::string path = GetDlgItemText(IDC_LOGPATH);
    const std::uint32_t kilobytes = MaxLogSizeFromText(GetDlgItemText(IDC_MAXLOGSIZE));
    LogFileSettings& settings = GetLogFileSettings();
    settings.bOutputLog = IsDlgButtonChecked(m_hWnd, IDC_OUTPUTLOG) == BST_CHECKED;
    settings.LogPath = path;
    settings.nMaxLogSize = KilobytesToBytes(kilobytes);
    CDialog::OnOK();
}
