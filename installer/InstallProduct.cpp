#include "InstallProduct.h"

#include "ExtractFiles.h"
#include "Shortcut.h"
#include "framework/WinApp.h"
#include "installer/core/InstallerTexts.h"
#include "installer/core/Payload.h"
#include "support/RegistryEntries.h"
#include "support/ShowMessage.h"
#include "support/core/ProductInfo.h"

namespace {

// The desktop's command that refreshes its view.
constexpr WPARAM kRefreshCommand = 0x0001A065;
// A desktop that does not answer within this time is not waited for any longer.
constexpr UINT kRefreshLimitMs = 2000;

} // namespace

bool InstallProduct(const std::string& path) {
    const std::string dir = installer::InstallDirectory(path);
    const bool registryWritten = WriteRegistryEntries(dir);
    const bool filesWritten = ExtractFiles(dir);
    const bool shortcutCreated = CreateShortcut(dir + product::kProgramFile, product::kShortcutFile,
                                                dir, installer::kShortcutDescription);
    const HWND dialog = AfxGetApp()->GetMainWnd();
    if (dialog != nullptr)
        ShowWindow(dialog, SW_HIDE);
    RefreshDesktop();
    const bool complete = registryWritten && filesWritten && shortcutCreated;
    if (complete)
        ShowMessage(installer::kInstallationComplete, AfxGetAppName(), MB_ICONINFORMATION);
    else
        ShowMessage(installer::kNotCompletelyInstalled, AfxGetAppName(), MB_ICONERROR);
    return complete;
}

void RefreshDesktop() {
    const HWND desktop = FindWindowA("Progman", "Program Manager");
    if (desktop == nullptr)
        return;
    DWORD_PTR reply = 0;
    SendMessageTimeoutA(desktop, WM_COMMAND, kRefreshCommand, 0, SMTO_ABORTIFHUNG, kRefreshLimitMs,
                        &reply);
}
