#include "UninstallerApp.h"

#include "Uninstaller.h"
#include "support/ShowMessage.h"
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
    try {
        Uninstall();
    } catch (...) {
        // Whatever stopped the run (memory ran out), the removal is not complete.
        MarkIncomplete();
    }
    return FALSE;
}

void CUninstallerApp::Uninstall() {
    using namespace uninstaller;
    m_bSilent = IsSilentCommandLine(m_lpCmdLine);
    if (!ConfirmAdministrator()) {
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
    UninstallProduct();
}

int CUninstallerApp::ExitInstance() {
    return m_bIncomplete ? 1 : 0;
}

int CUninstallerApp::ShowMessage(const std::string& text, const std::string& caption,
                                 unsigned type) const {
    if (m_bSilent)
        return IDYES;
    return MessageBoxA(NULL, text.c_str(), caption.c_str(), type);
}
