#include "InstallerApp.h"

#include "InstallDialog.h"
#include "Installation.h"
#include "RunLog.h"
#include "framework/CodePage.h"
#include "framework/Guard.h"
#include "framework/KnownFolder.h"
#include "framework/MessageBox.h"
#include "framework/PathEncoding.h"
#include "framework/SystemMessage.h"
#include "framework/core/EntryCommandLine.h"
#include "framework/core/PathText.h"
#include "installer/core/CommandLine.h"
#include "installer/core/InstallFolder.h"
#include "installer/core/InstallerTexts.h"
#include "support/Administrator.h"

#include <knownfolders.h>

namespace {

CInstallerApp theApp;

// Every message of the installer is logged; a silent run shows none and answers OK.
int InstallerMessage(const std::string& text, const std::string& caption, unsigned type) {
    LogStep(installer::kLogMessage + text);
    if (theApp.IsSilent())
        return IDOK;
    return SystemMessageBox(GetMessageOwner(), WidePath(text), WidePath(caption), type);
}

// The folder offered when none is given: "Zembra" in the system's Program Files folder, as the
// shell names it; the usual place when it names none.
std::string DefaultInstallPath() {
    const std::wstring programFiles = KnownFolderPath(FOLDERID_ProgramFiles);
    if (programFiles.empty())
        return installer::kDefaultInstallPath;
    return WithTrailingBackslash(Utf8Path(programFiles)) + installer::kInstallFolderName + "\\";
}

// An exception stopped at a barrier ends only the operation that raised it, and is told.
void ReportException(const std::string&, const std::string& what) {
    ShowMessage(installer::kUnexpectedError + what, AfxGetAppName(), MB_ICONERROR);
}

} // namespace

CInstallerApp::CInstallerApp()
    : m_nExitCode(installer::ExitCodeOf(installer::InstallOutcome::NothingInstalled)) {
    SetMessageHandler(InstallerMessage);
    SetExceptionReporter(ReportException);
}

BOOL CInstallerApp::InitInstance() {
    Guarded("installer", 0, [this] {
        RunInstaller();
        return 0;
    });
    LogStep(installer::kLogExitCode + std::to_string(m_nExitCode) + ".");
    return FALSE;
}

int CInstallerApp::ExitInstance() {
    return m_nExitCode;
}

void CInstallerApp::RunInstaller() {
    using namespace installer;
    // Read in UTF-16, so that /D= and /LOG= may name a folder of any script.
    const InstallerCommandLine commandLine =
        ParseInstallerCommandLine(SkipProgramName(FromWide(CP_UTF8, GetCommandLineW()).c_str()));
    m_bSilent = commandLine.silent;
    if (!commandLine.logFile.empty()) {
        // A log that could be written only through a link to another file ends the run before
        // anything changes, as an unknown switch does.
        if (const unsigned long error = OpenRunLog(commandLine.logFile)) {
            ShowMessage(LogNotOpenedMessage(commandLine.logFile, AnsiToUtf8(SystemMessage(error))),
                        AfxGetAppName(), MB_ICONWARNING);
            return;
        }
    }
    LogStep(kLogStarted + m_lpCmdLine);
    LogStep(m_bSilent ? kLogSilent : kLogInteractive);
    if (!commandLine.unknown.empty()) {
        ShowMessage(UsageMessage(commandLine.unknown), AfxGetAppName(), MB_ICONWARNING);
        return;
    }
    const std::string folder = commandLine.folder ? *commandLine.folder : DefaultInstallPath();
    if (m_bSilent)
        RunSilently(folder);
    else
        RunInteractively(folder);
}

void CInstallerApp::RunInteractively(const std::string& folder) {
    if (ShowMessage(installer::kStartQuestion, AfxGetAppName(), MB_YESNO | MB_ICONINFORMATION) ==
        IDNO)
        return;
    if (!ConfirmUnlessAdministrator(installer::kNotAdministratorQuestion))
        return;
    CInstallDialog dialog(folder);
    dialog.DoModal();
    m_hMainWnd = nullptr;
    m_nExitCode = installer::ExitCodeOf(dialog.GetOutcome());
}

void CInstallerApp::RunSilently(const std::string& folder) {
    using namespace installer;
    if (!IsAdministrator()) {
        LogStep(kLogNotAdministrator);
        return;
    }
    if (!IsFullPath(folder)) {
        ShowMessage(kFullPathRequired, AfxGetAppName(), MB_ICONWARNING);
        return;
    }
    const InstallTarget target = CheckInstallTarget(folder);
    if (const std::string refusal = RefusalToShow(target); !refusal.empty()) {
        ShowMessage(refusal, AfxGetAppName(), MB_ICONWARNING);
        return;
    }
    InstallOutcome outcome = InstallOutcome::NothingInstalled;
    // Deploying means installing over an older version and re-installing this one, never
    // replacing a higher one.
    const auto agree = [](InstallDecision decision) {
        if (decision == InstallDecision::AskReplaceHigher)
            LogStep(kLogHigherVersionKept);
        return decision == InstallDecision::AskReinstall;
    };
    Guarded("silent installation", 0, [&] {
        InstallUnlessDeclined(target, agree, RunMode::Silent, nullptr, outcome);
        return 0;
    });
    m_nExitCode = ExitCodeOf(outcome);
}
