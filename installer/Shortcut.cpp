#include "Shortcut.h"

#include "ComPtr.h"
#include "framework/SystemLibrary.h"
#include "framework/WinApp.h"
#include "installer/core/InstallerTexts.h"
#include "support/DesktopPath.h"
#include "support/ShowMessage.h"
#include "support/core/ErrorDescription.h"

#include <shlobj.h>

namespace {

bool ReportFailure(const char* firstLines, HRESULT result) {
    ShowMessage(firstLines + GetErrorDescription(static_cast<unsigned long>(result)),
                AfxGetAppName(), MB_ICONERROR);
    return false;
}

} // namespace

bool CreateShortcut(const std::string& target, const std::string& linkName,
                    const std::string& workingDirectory, const std::string& description) {
    const ComInitialization com;
    const std::string linkPath = GetCommonDesktopPath() + linkName;
    ComPtr<IShellLinkA> link;
    PrepareSystemRoad(SystemRoad::ShellLink);
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkA, link.ReceiveVoid());
    if (FAILED(result))
        return ReportFailure(installer::kCoCreateInstanceFailed, result);
    link->SetArguments("");
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(workingDirectory.c_str());
    link->SetDescription(description.c_str());
    link->SetShowCmd(SW_SHOW);
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.ReceiveVoid());
    if (FAILED(result))
        return ReportFailure(installer::kQueryInterfaceFailed, result);
    wchar_t widePath[MAX_PATH] = L"";
    if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) == 0) {
        // A path that does not fit is one too long to save to.
        const DWORD error = GetLastError();
        return ReportFailure(installer::kSaveFailed,
                             HRESULT_FROM_WIN32(error == ERROR_INSUFFICIENT_BUFFER
                                                    ? ERROR_FILENAME_EXCED_RANGE
                                                    : error));
    }
    result = file->Save(widePath, TRUE);
    if (FAILED(result))
        return ReportFailure(installer::kSaveFailed, result);
    return true;
}
