#include "InstallDialog.h"

#include "BrowseForFolder.h"
#include "InstallPath.h"
#include "InstallProduct.h"
#include "PreviousVersion.h"
#include "framework/WinApp.h"
#include "installer/core/InstalledVersion.h"
#include "installer/core/InstallerTexts.h"
#include "installer/core/Payload.h"
#include "resource.h"
#include "support/ShowMessage.h"

namespace {

// The path field's text is cut to this many characters when Browse copies it.
constexpr std::size_t kMaxPathChars = MAX_PATH;

} // namespace

CInstallDialog::CInstallDialog() : CDialog(IDD_INSTALL) {}

BOOL CInstallDialog::OnInitDialog() {
    // While the dialog is shown it is the main window, which owns every message from here on.
    AfxGetApp()->m_hMainWnd = m_hWnd;
    SetWindowText(installer::kWindowTitle);
    SetDlgItemText(IDC_INSTALL_PATH, g_strInstallPath);
    SetDlgItemText(IDC_SUPPORTED_SYSTEMS, installer::kSupportedSystems);
    ShowIconAtDpi(IDI_INSTALL);
    CDialog::OnInitDialog();
    const HWND path = GetDlgItem(IDC_INSTALL_PATH);
    SetFocus(path);
    SendMessageA(path, EM_SETSEL, 0, -1);
    SendMessageA(path, EM_SCROLLCARET, 0, 0);
    return FALSE;
}

bool CInstallDialog::OnCommand(WORD id, WORD code) {
    if (code != BN_CLICKED)
        return CDialog::OnCommand(id, code);
    switch (id) {
    case IDOK:
        OnInstall();
        return true;
    case IDC_BROWSE:
        OnBrowse();
        return true;
    default:
        return CDialog::OnCommand(id, code);
    }
}

void CInstallDialog::OnInstall() {
    const std::string path = GetDlgItemText(IDC_INSTALL_PATH);
    const InstallDecision decision = DecideInstall(GetInstalledVersion());
    if (decision == InstallDecision::InstallAtOnce) {
        InstallProduct(path);
    } else if (ShowMessage(InstallQuestion(decision), AfxGetAppName(),
                           MB_YESNO | MB_ICONINFORMATION) == IDYES) {
        RemovePreviousVersion();
        InstallProduct(path);
    }
    OnOK();
}

void CInstallDialog::OnBrowse() {
    g_strInstallPath = installer::FirstChars(GetDlgItemText(IDC_INSTALL_PATH), kMaxPathChars);
    const std::string folder = BrowseForFolder(m_hWnd);
    if (!folder.empty())
        SetDlgItemText(IDC_INSTALL_PATH, folder);
}
