#include "PreviousVersion.h"

#include "RunLog.h"
#include "SelfRemovalWait.h"
#include "framework/MessageBox.h"
#include "framework/PathEncoding.h"
#include "framework/WinApp.h"
#include "installer/core/InstallFolder.h"
#include "installer/core/InstalledVersion.h"
#include "installer/core/InstallerTexts.h"
#include "support/RegistryKey.h"
#include "support/ShellRun.h"
#include "support/core/ProductInfo.h"

namespace {

// How long the old uninstaller's removal script may take after the uninstaller has ended.
constexpr DWORD kSelfRemovalLimitMs = 5000;

} // namespace

double GetInstalledVersion() {
    RegistryKey key(HKEY_LOCAL_MACHINE, product::kRegistryKey);
    return ParseInstalledVersion(key.GetString(product::kVersionValue, "0.0"));
}

void RemovePreviousVersion(ShellErrors shellErrors) {
    RegistryKey uninstallKey(HKEY_LOCAL_MACHINE, product::kUninstallKey);
    RegistryKey productKey(HKEY_LOCAL_MACHINE, product::kRegistryKey);
    const std::string uninstaller = installer::PreviousUninstaller(
        Utf8Path(uninstallKey.GetWideString("UninstallString", std::wstring())),
        Utf8Path(productKey.GetWideString(product::kPathValue, std::wstring())));
    LogStep(installer::kLogRemovingPrevious + uninstaller);
    const bool removed =
        !uninstaller.empty() &&
        ShellRunAndWait(
            "\"" + uninstaller + "\"", product::kSilentArgument, SW_HIDE,
            [&](HANDLE process) {
                DWORD exitCode = 0;
                GetExitCodeProcess(process, &exitCode);
                LogStep(installer::kLogPreviousEnded + std::to_string(exitCode) + ".");
                WaitForSelfRemoval(process, uninstaller, kSelfRemovalLimitMs);
            },
            shellErrors);
    if (!removed)
        ShowMessage(installer::kPreviousNotRemoved, AfxGetAppName(), MB_ICONERROR);
}
