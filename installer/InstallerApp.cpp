#include "InstallerApp.h"

#include "InstallDialog.h"
#include "installer/core/InstallerTexts.h"
#include "support/Administrator.h"
#include "support/FailedStringWrite.h"
#include "support/ShowMessage.h"

namespace {

CInstallerApp theApp;

void ReportFailedStringWriteOfInstaller(const std::string& valueName) {
    ReportFailedStringWrite(valueName, AfxGetAppName());
}

} // namespace

CInstallerApp::CInstallerApp() {
    SetFailedStringWriteHook(ReportFailedStringWriteOfInstaller);
}

BOOL CInstallerApp::InitInstance() {
    if (ShowMessage(installer::kStartQuestion, AfxGetAppName(), MB_YESNO | MB_ICONINFORMATION) ==
        IDNO)
        return FALSE;
    if (!IsAdministrator() && ShowMessage(installer::kNotAdministratorQuestion, AfxGetAppName(),
                                          MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return FALSE;
    CInstallDialog dialog;
    dialog.DoModal();
    m_hMainWnd = nullptr;
    return FALSE;
}
