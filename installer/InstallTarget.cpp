#include "InstallTarget.h"

#include "OwnFile.h"
#include "framework/CodePage.h"
#include "framework/MessageBox.h"
#include "framework/PathEncoding.h"
#include "framework/SystemMessage.h"
#include "framework/WinApp.h"
#include "framework/core/PathText.h"
#include "installer/core/InstallerTexts.h"

#include <vector>

namespace {

std::optional<std::uint32_t> AttributesOnDisk(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

// The system's full path (GetFullPathName); the path itself when it has none.
std::string FullPath(const std::string& path) {
    std::vector<wchar_t> full(MAX_PATH * 2);
    const DWORD length = GetFullPathNameW(WidePath(path).c_str(), static_cast<DWORD>(full.size()),
                                          full.data(), nullptr);
    if (length == 0 || length >= full.size())
        return path;
    return Utf8Path(std::wstring(full.data(), length));
}

} // namespace

InstallTarget CheckInstallTarget(const std::string& path) {
    InstallTarget target;
    target.dir = WithTrailingBackslash(FullPath(path));
    target.check = installer::CheckInstallFolder(target.dir, AttributesOnDisk);
    return target;
}

std::string RefusalToShow(const InstallTarget& target) {
    return installer::RefusalOf(target.check);
}

bool ReportUnusableFolder(const InstallTarget& target) {
    if (target.check.verdict == installer::FolderCheck::Verdict::Usable)
        return false;
    const std::string refusal = RefusalToShow(target);
    ShowMessage(refusal.empty() ? installer::kCouldNotCreateDirectory +
                                      AnsiToUtf8(SystemMessage(target.check.error))
                                : refusal,
                AfxGetAppName(), MB_ICONERROR);
    return true;
}

HeldFolder::HeldFolder(const std::string& dir, ProtectedAccess& access) {
    if (access.Attributes() == nullptr) {
        m_dwError = access.GetError();
        return;
    }
    const std::wstring wide = WidePath(dir);
    if (!CreateDirectoryW(wide.c_str(), access.Attributes()) &&
        GetLastError() != ERROR_ALREADY_EXISTS) {
        m_dwError = GetLastError();
        return;
    }
    // No delete sharing: the folder cannot be renamed or removed while held.
    m_folder.Reset(CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!m_folder) {
        m_dwError = GetLastError();
        return;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(m_folder.Get(), &information)) {
        m_dwError = GetLastError();
        m_folder.Reset();
        return;
    }
    const DWORD kind =
        information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
    if (kind != FILE_ATTRIBUTE_DIRECTORY || !LiesAt(m_folder.Get(), dir)) {
        m_dwError = ERROR_CANT_ACCESS_FILE;
        m_folder.Reset();
    }
}
