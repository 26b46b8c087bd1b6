#include "Uninstaller.h"

#include "framework/CodePage.h"
#include "framework/MessageBox.h"
#include "framework/PathEncoding.h"
#include "framework/SystemMessage.h"
#include "framework/WinApp.h"
#include "framework/core/PathText.h"
#include "support/DesktopPath.h"
#include "support/RegistryKey.h"
#include "support/core/ProductInfo.h"
#include "support/core/RegistryLayout.h"
#include "uninstaller/core/UninstallerText.h"

std::string GetInstallPath() {
    RegistryKey key(HKEY_LOCAL_MACHINE, product::kRegistryKey);
    const std::string path = Utf8Path(key.GetWideString(product::kPathValue, std::wstring()));
    if (path.empty() || key.Failed()) {
        ShowMessage(uninstaller::InstallPathMessage(AnsiToUtf8(SystemMessage(key.GetResult()))),
                    AfxGetAppName(), MB_ICONERROR);
    }
    // A folder recorded without its backslash still names the files inside it.
    return WithTrailingBackslash(path);
}

bool DeleteProductFiles() {
    const std::string path = GetInstallPath();
    if (path.empty())
        return false;
    bool complete = true;
    for (const char* name : {product::kProgramFile, product::kDocumentIconFile, product::kHelpFile,
                             product::kTemplateFile, product::kCliFile})
        complete &= DeleteProductFile(path + name);
    const std::string desktop = GetCommonDesktopPath();
    if (desktop.empty()) {
        // No desktop to find the shortcut on: never a file of that name in the current folder.
        ShowMessage(uninstaller::DeleteFileMessage(product::kShortcutFile,
                                                   AnsiToUtf8(SystemMessage(ERROR_PATH_NOT_FOUND))),
                    AfxGetAppName(), MB_ICONERROR);
        return false;
    }
    return DeleteProductFile(desktop + product::kShortcutFile) && complete;
}

bool DeleteProductFile(const std::string& path) {
    if (DeleteFileW(WidePath(path).c_str()))
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND)
        return true;
    ShowMessage(uninstaller::DeleteFileMessage(path, AnsiToUtf8(SystemMessage(error))),
                AfxGetAppName(), MB_ICONERROR);
    return false;
}
