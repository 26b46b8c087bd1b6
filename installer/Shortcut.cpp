#include "Shortcut.h"

#include "ComPtr.h"
#include "framework/CodePage.h"
#include "framework/MessageBox.h"
#include "framework/PathEncoding.h"
#include "framework/SystemLibrary.h"
#include "framework/SystemMessage.h"
#include "framework/WinApp.h"
#include "installer/core/InstallerTexts.h"
#include "support/DesktopPath.h"

#include <shlobj.h>

namespace {

bool ReportFailure(const char* firstLines, HRESULT result) {
    ShowMessage(firstLines + SystemMessage(static_cast<unsigned long>(result)), AfxGetAppName(),
                MB_ICONERROR);
    return false;
}

} // namespace

bool CreateShortcut(const std::string& target, const std::string& linkName,
                    const std::string& workingDirectory, const std::string& description) {
    const ComInitialization com;
    const std::wstring linkPath = ToWide(CP_ACP, GetCommonDesktopPath()) + WidePath(linkName);
    ComPtr<IShellLinkW> link;
    PrepareSystemRoad(SystemRoad::ShellLink);
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, link.ReceiveVoid());
    if (FAILED(result))
        return ReportFailure(installer::kCoCreateInstanceFailed, result);
    link->SetArguments(L"");
    link->SetPath(WidePath(target).c_str());
    link->SetWorkingDirectory(WidePath(workingDirectory).c_str());
    link->SetDescription(WidePath(description).c_str());
    link->SetShowCmd(SW_SHOW);
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.ReceiveVoid());
    if (FAILED(result))
        return ReportFailure(installer::kQueryInterfaceFailed, result);
    // A path longer than the system's files may have is one too long to save to.
    if (linkPath.size() >= MAX_PATH)
        return ReportFailure(installer::kSaveFailed,
                             HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
    result = file->Save(linkPath.c_str(), TRUE);
    if (FAILED(result))
        return ReportFailure(installer::kSaveFailed, result);
    return true;
}
