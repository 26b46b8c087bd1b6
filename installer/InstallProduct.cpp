#include "InstallProduct.h"

#include "ExtractFiles.h"
#include "InstallTarget.h"
#include "RunLog.h"
#include "Shortcut.h"
#include "framework/CodePage.h"
#include "framework/MessageBox.h"
#include "framework/PathEncoding.h"
#include "framework/SystemMessage.h"
#include "framework/WinApp.h"
#include "installer/core/InstallFolder.h"
#include "installer/core/InstallerTexts.h"
#include "installer/core/Payload.h"
#include "support/DesktopPath.h"
#include "support/RegistryEntries.h"
#include "support/RegistryKey.h"
#include "support/core/ProductInfo.h"

namespace {

// The desktop's command that refreshes its view.
constexpr WPARAM kRefreshCommand = 0x0001A065;
// A desktop that does not answer within this time is not waited for any longer.
constexpr UINT kRefreshLimitMs = 2000;

// Logs how a step of the installation went; its result.
bool Logged(const std::string& step, bool succeeded) {
    LogStep(step + (succeeded ? installer::kLogDone : installer::kLogFailed));
    return succeeded;
}

} // namespace

bool WriteUninstallEntryExtras(const std::string& dir, const FailedStringWrite& failed) {
    RegistryKey key(HKEY_LOCAL_MACHINE, product::kUninstallKey);
    key.SetWideString(installer::kQuietUninstallValue,
                      WidePath(installer::QuietUninstallCommand(dir)), failed);
    return !key.Failed();
}

installer::InstallOutcome InstallProduct(const std::string& dir, HWND dialog) {
    using namespace installer;
    // Whatever the old uninstallation did to the folder, it is checked again before anything of
    // the new installation is written.
    ProtectedAccess folderAccess(ProtectedAccess::Kind::Folder);
    const InstallTarget target = CheckInstallTarget(dir);
    if (ReportUnusableFolder(target)) {
        ShowMessage(kNotCompletelyInstalled, AfxGetAppName(), MB_ICONERROR);
        return InstallOutcome::NothingInstalled;
    }
    const HeldFolder folder(dir, folderAccess);
    if (!Logged(kLogFolder + dir, folder.GetError() == 0)) {
        ShowMessage(kCouldNotCreateDirectory + AnsiToUtf8(SystemMessage(folder.GetError())),
                    AfxGetAppName(), MB_ICONERROR);
        ShowMessage(kNotCompletelyInstalled, AfxGetAppName(), MB_ICONERROR);
        return InstallOutcome::NothingInstalled;
    }
    // Files first, the registry last, so that no entry ever names a folder that is not ours; the
    // entries are written even when a file failed, so that what is there can be removed.
    ProtectedAccess fileAccess(ProtectedAccess::Kind::File);
    const bool filesWritten = Logged(kLogFiles + dir, ExtractFiles(dir, fileAccess));
    const bool shortcutCreated =
        Logged(kLogShortcut + GetCommonDesktopPath() + product::kShortcutFile,
               CreateShortcut(dir + product::kProgramFile, product::kShortcutFile, dir,
                              kShortcutDescription, fileAccess));
    // A string value the registry refuses is named in a box of the installer's own.
    const FailedStringWrite reportFailed = [](const std::string& valueName) {
        ReportFailedStringWrite(valueName, AfxGetAppName());
    };
    const bool layoutWritten = WriteRegistryEntries(dir, reportFailed);
    const bool extrasWritten = WriteUninstallEntryExtras(dir, reportFailed);
    const bool registryWritten = Logged(kLogRegistryEntries + dir, layoutWritten && extrasWritten);
    if (dialog != nullptr)
        ShowWindow(dialog, SW_HIDE);
    RefreshDesktop();
    const bool complete = registryWritten && filesWritten && shortcutCreated;
    if (complete)
        ShowMessage(kInstallationComplete, AfxGetAppName(), MB_ICONINFORMATION);
    else
        ShowMessage(kNotCompletelyInstalled, AfxGetAppName(), MB_ICONERROR);
    return complete ? InstallOutcome::Complete : InstallOutcome::Incomplete;
}

void RefreshDesktop() {
    const HWND desktop = FindWindowA("Progman", "Program Manager");
    if (desktop == nullptr)
        return;
    DWORD_PTR reply = 0;
    SendMessageTimeoutA(desktop, WM_COMMAND, kRefreshCommand, 0, SMTO_ABORTIFHUNG, kRefreshLimitMs,
                        &reply);
}
