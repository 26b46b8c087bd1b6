#include "Shortcut.h"

#include "ComPtr.h"
#include "OwnFile.h"
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
    ShowMessage(firstLines + AnsiToUtf8(SystemMessage(static_cast<unsigned long>(result))),
                AfxGetAppName(), MB_ICONERROR);
    return false;
}

} // namespace

bool CreateShortcut(const std::string& target, const std::string& linkName,
                    const std::string& workingDirectory, const std::string& description,
                    const ProtectedAccess& access) {
    const ComInitialization com;
    const std::string desktop = GetCommonDesktopPath();
    // Without a desktop the bare name would be a file in the current folder.
    if (desktop.empty())
        return ReportFailure(installer::kSaveFailed, HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
    const std::string link8 = desktop + linkName;
    const std::wstring linkPath = WidePath(link8);
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
    // The shell writes through whatever lies at the name: a link to another file is refused first.
    const DWORD found = CheckExistingFile(link8);
    if (found != ERROR_SUCCESS && found != ERROR_FILE_NOT_FOUND && found != ERROR_PATH_NOT_FOUND)
        return ReportFailure(installer::kSaveFailed, HRESULT_FROM_WIN32(found));
    result = file->Save(linkPath.c_str(), TRUE);
    if (FAILED(result))
        return ReportFailure(installer::kSaveFailed, result);
    // Whether the shell wrote into the file there or replaced it, what it saved is checked again
    // and protected as the installer's other files are.
    if (const DWORD secured = CheckExistingFile(link8, &access))
        return ReportFailure(installer::kSaveFailed, HRESULT_FROM_WIN32(secured));
    return true;
}
