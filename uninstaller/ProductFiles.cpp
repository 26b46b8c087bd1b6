#include "Uninstaller.h"

#include "framework/WinApp.h"
#include "support/DesktopPath.h"
#include "support/RegistryKey.h"
#include "support/ShowMessage.h"
#include "support/core/ErrorDescription.h"
#include "support/core/ProductInfo.h"
#include "support/core/RegistryLayout.h"
#include "uninstaller/core/UninstallerText.h"

std::string GetInstallPath() {
    RegistryKey key(HKEY_LOCAL_MACHINE, product::kRegistryKey);
    const std::string path = key.GetString(product::kPathValue, std::string());
    if (path.empty() || key.Failed()) {
        ShowMessage(uninstaller::InstallPathMessage(GetErrorDescription(key.GetResult())),
                    AfxGetAppName(), MB_ICONERROR);
        MarkIncomplete();
    }
    // A folder recorded without its backslash still names the files inside it.
    return WithTrailingBackslash(path);
}

void DeleteProductFiles() {
    const std::string path = GetInstallPath();
    if (path.empty())
        return;
    for (const char* name : {product::kProgramFile, product::kDocumentIconFile, product::kHelpFile,
                             product::kTemplateFile, product::kCliFile})
        DeleteProductFile(path + name);
    DeleteProductFile(GetCommonDesktopPath() + product::kShortcutFile);
}

void DeleteProductFile(const std::string& path) {
    if (DeleteFileA(path.c_str()))
        return;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND)
        return;
    ShowMessage(uninstaller::DeleteFileMessage(path, GetErrorDescription(error)), AfxGetAppName(),
                MB_ICONERROR);
    MarkIncomplete();
}
