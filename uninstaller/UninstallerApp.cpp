#include "UninstallerApp.h"

#include "Uninstaller.h"
#include "framework/Guard.h"
#include "framework/MessageBox.h"
#include "framework/PathEncoding.h"
#include "support/Administrator.h"
#include "uninstaller/core/UninstallerText.h"

namespace {

// Every ShowMessage of the support library reaches the application object.
int UninstallerMessage(const std::string& text, const std::string& caption, unsigned type) {
    return GetUninstallerApp().ShowMessage(text, caption, type);
}

} // namespace

CUninstallerApp::CUninstallerApp() : m_bSilent(false), m_bIncomplete(FALSE) {
    SetMessageHandler(UninstallerMessage);
}

BOOL CUninstallerApp::InitInstance() {
    m_bSilent = uninstaller::IsSilentCommandLine(m_lpCmdLine);
    if (!Guarded("uninstallation", false, [this] {
            Uninstall();
            return true;
        })) {
        // Whatever stopped the run (memory ran out), the removal is not complete, and a user who
        // watches is told so as after any other failure.
        MarkIncomplete();
        Guarded("uninstallation report", 0, [this] {
            return ::ShowMessage(uninstaller::kIncompleteReport, GetAppName(), MB_ICONERROR);
        });
    }
    return FALSE;
}

void CUninstallerApp::Uninstall() {
    using namespace uninstaller;
    if (!ConfirmUnlessAdministrator(kNotAdministratorQuestion)) {
        MarkIncomplete();
        return;
    }
    while (IsProductRunning()) {
        if (m_bSilent) {
            MarkIncomplete();
            return;
        }
        const int answer =
            ::ShowMessage(kCloseZembraRequest, GetAppName(), MB_OKCANCEL | MB_ICONERROR);
        // A box that could not be shown (0) must not turn this into an endless loop.
        if (answer == IDCANCEL || answer == 0) {
            MarkIncomplete();
            return;
        }
    }
    // Only Yes removes anything: a box closed without an answer, or not shown, declines.
    if (::ShowMessage(kConfirmQuestion, GetAppName(), MB_YESNO | MB_ICONINFORMATION) != IDYES) {
        MarkIncomplete();
        return;
    }
    if (!UninstallProduct())
        MarkIncomplete();
}

void CUninstallerApp::MarkIncomplete() {
    m_bIncomplete = TRUE;
}

int CUninstallerApp::ExitInstance() {
    return m_bIncomplete ? 1 : 0;
}

int CUninstallerApp::ShowMessage(const std::string& text, const std::string& caption,
                                 unsigned type) const {
    if (m_bSilent)
        return IDYES;
    return SystemMessageBox(NULL, WidePath(text), WidePath(caption), type);
}
