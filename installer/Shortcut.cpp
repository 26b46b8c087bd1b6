#include "Shortcut.h"

#include "ComPtr.h"
#include "framework/WinApp.h"
#include "installer/core/InstallerTexts.h"
#include "support/DesktopPath.h"
#include "support/ShowMessage.h"
#include "support/core/ErrorDescription.h"

#include <shlobj.h>

namespace {

void ReportFailure(const char* firstLines, HRESULT result) {
    ShowMessage(firstLines + GetErrorDescription(static_cast<unsigned long>(result)),
                AfxGetAppName(), MB_ICONERROR);
}

} // namespace

void CreateShortcut(const std::string& target, const std::string& linkName,
                    const std::string& workingDirectory, const std::string& description) {
    const ComInitialization com;
    const std::string linkPath = GetCommonDesktopPath() + linkName;
    ComPtr<IShellLinkA> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkA, link.ReceiveVoid());
    if (FAILED(result)) {
        ReportFailure(installer::kCoCreateInstanceFailed, result);
        return;
    }
    link->SetArguments("");
    link->SetPath(target.c_str());
    link->SetWorkingDirectory(workingDirectory.c_str());
    link->SetDescription(description.c_str());
    link->SetShowCmd(SW_SHOW);
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.ReceiveVoid());
    if (FAILED(result)) {
        ReportFailure(installer::kQueryInterfaceFailed, result);
        return;
    }
    wchar_t widePath[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
    result = file->Save(widePath, TRUE);
    if (FAILED(result))
        ReportFailure(installer::kSaveFailed, result);
}
