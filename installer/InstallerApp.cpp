#include "InstallerApp.h"

#include "InstallDialog.h"
#include "framework/Guard.h"
#include "installer/core/InstallerTexts.h"
#include "support/Administrator.h"
#include "support/FailedStringWrite.h"
#include "support/ShowMessage.h"

namespace {

CInstallerApp theApp;

void ReportFailedStringWriteOfInstaller(const std::string& valueName) {
    ReportFailedStringWrite(valueName, AfxGetAppName());
}

// An exception stopped at a barrier ends only the operation that raised it, and is told.
void ReportException(const std::string&, const std::string& what) {
    ShowMessage(installer::kUnexpectedError + what, AfxGetAppName(), MB_ICONERROR);
}

} // namespace

CInstallerApp::CInstallerApp()
    : m_nExitCode(installer::ExitCodeOf(installer::InstallOutcome::NothingInstalled)) {
    SetFailedStringWriteHook(ReportFailedStringWriteOfInstaller);
    SetExceptionReporter(ReportException);
}

BOOL CInstallerApp::InitInstance() {
    Guarded("installer", 0, [this] {
        RunInstaller();
        return 0;
    });
    return FALSE;
}

int CInstallerApp::ExitInstance() {
    return m_nExitCode;
}

void CInstallerApp::RunInstaller() {
    if (ShowMessage(installer::kStartQuestion, AfxGetAppName(), MB_YESNO | MB_ICONINFORMATION) ==
        IDNO)
        return;
    if (!IsAdministrator() && ShowMessage(installer::kNotAdministratorQuestion, AfxGetAppName(),
                                          MB_YESNO | MB_ICONINFORMATION) != IDYES)
        return;
    CInstallDialog dialog;
    dialog.DoModal();
    m_hMainWnd = nullptr;
    m_nExitCode = installer::ExitCodeOf(dialog.GetOutcome());
}
