#include "InstallDialog.h"

#include "BrowseForFolder.h"
#include "Installation.h"
#include "framework/CommandTable.h"
#include "framework/Guard.h"
#include "framework/MessageBox.h"
#include "framework/PathEncoding.h"
#include "framework/WinApp.h"
#include "installer/core/InstallFolder.h"
#include "installer/core/InstalledVersion.h"
#include "installer/core/InstallerTexts.h"
#include "resource.h"

#include <utility>

CInstallDialog::CInstallDialog(std::string installPath)
    : CDialog(IDD_INSTALL), m_strInstallPath(std::move(installPath)) {}

BOOL CInstallDialog::OnInitDialog() {
    // While the dialog is shown it is the main window, which owns every message from here on.
    AfxGetApp()->m_hMainWnd = m_hWnd;
    SetWindowText(installer::kWindowTitle);
    SetPathField(m_strInstallPath);
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
    static const Notification<CInstallDialog> kNotifications[] = {
        {IDOK, BN_CLICKED, &CInstallDialog::OnInstall},
        {IDC_BROWSE, BN_CLICKED, &CInstallDialog::OnBrowse},
    };
    // Once Install runs, its waits still dispatch the dialog's messages: no command (a second
    // Install, Browse, Cancel or the close box) may start anything until it has ended the dialog.
    if (m_bInstalling)
        return true;
    return Dispatch(*this, kNotifications, id, code) || CDialog::OnCommand(id, code);
}

void CInstallDialog::OnInstall() {
    const std::string path = PathField();
    if (!installer::IsFullPath(path)) {
        ShowMessage(installer::kFullPathRequired, AfxGetAppName(), MB_ICONWARNING);
        SelectPath();
        return;
    }
    const InstallTarget target = CheckInstallTarget(path);
    if (const std::string refusal = RefusalToShow(target); !refusal.empty()) {
        ShowMessage(refusal, AfxGetAppName(), MB_ICONWARNING);
        SelectPath();
        return;
    }
    m_bInstalling = true;
    Guarded("installation", 0, [&] {
        InstallUnlessDeclined(
            target,
            [](InstallDecision decision) {
                return ShowMessage(InstallQuestion(decision), AfxGetAppName(),
                                   MB_YESNO | MB_ICONINFORMATION) == IDYES;
            },
            RunMode::Interactive, m_hWnd, m_outcome);
        return 0;
    });
    OnOK();
}

void CInstallDialog::OnBrowse() {
    m_strInstallPath = PathField();
    const std::string folder = BrowseForFolder(m_hWnd, m_strInstallPath);
    if (!folder.empty())
        SetPathField(folder);
}

std::string CInstallDialog::PathField() const {
    const HWND field = GetDlgItem(IDC_INSTALL_PATH);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(field, &text[0], static_cast<int>(text.size()))));
    return Utf8Path(text);
}

void CInstallDialog::SetPathField(const std::string& path) const {
    SetDlgItemTextW(m_hWnd, IDC_INSTALL_PATH, WidePath(path).c_str());
}
