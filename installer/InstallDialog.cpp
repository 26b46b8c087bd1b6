#include "InstallDialog.h"

#include "BrowseForFolder.h"
#include "Installation.h"
#include "framework/Guard.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "installer/core/InstallFolder.h"
#include "installer/core/InstalledVersion.h"
#include "installer/core/InstallerTexts.h"
#include "installer/core/Payload.h"
#include "resource.h"

#include <utility>

namespace {

// The path field's text is cut to this many characters when Browse copies it.
constexpr std::size_t kMaxPathChars = MAX_PATH;

} // namespace

CInstallDialog::CInstallDialog(std::string installPath)
    : CDialog(IDD_INSTALL), m_strInstallPath(std::move(installPath)) {}

BOOL CInstallDialog::OnInitDialog() {
    // While the dialog is shown it is the main window, which owns every message from here on.
    AfxGetApp()->m_hMainWnd = m_hWnd;
    SetWindowText(installer::kWindowTitle);
    SetDlgItemText(IDC_INSTALL_PATH, m_strInstallPath);
    SetDlgItemText(IDC_SUPPORTED_SYSTEMS, installer::kSupportedSystems);
    ShowIconAtDpi(IDI_INSTALL);
    CDialog::OnInitDialog();
    SelectPath();
    return FALSE;
}

void CInstallDialog::SelectPath() const {
    const HWND path = GetDlgItem(IDC_INSTALL_PATH);
    SetFocus(path);
    SendMessageA(path, EM_SETSEL, 0, -1);
    SendMessageA(path, EM_SCROLLCARET, 0, 0);
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
    if (!installer::IsFullPath(path)) {
        ShowMessage(installer::kFullPathRequired, AfxGetAppName(), MB_ICONWARNING);
        SelectPath();
        return;
    }
    Guarded("installation", 0, [&] {
        InstallUnlessDeclined(
            path,
            [](InstallDecision decision) {
                return ShowMessage(InstallQuestion(decision), AfxGetAppName(),
                                   MB_YESNO | MB_ICONINFORMATION) == IDYES;
            },
            RunMode::Interactive, m_outcome);
        return 0;
    });
    OnOK();
}

void CInstallDialog::OnBrowse() {
    m_strInstallPath = installer::FirstChars(GetDlgItemText(IDC_INSTALL_PATH), kMaxPathChars);
    const std::string folder = BrowseForFolder(m_hWnd, m_strInstallPath);
    if (!folder.empty())
        SetDlgItemText(IDC_INSTALL_PATH, folder);
}
