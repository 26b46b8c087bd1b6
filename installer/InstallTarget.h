#pragma once
// The install folder as the installer makes it its own: the system's full path of what was
// entered, checked on the disk before anything changes, then made (or opened) and held while the
// installation writes into it.

#include "ProtectedAccess.h"
#include "framework/UniqueHandle.h"
#include "installer/core/FolderCheck.h"

#include <string>

struct InstallTarget {
    // The system's full path of the folder, ending in a backslash.
    std::string dir;
    installer::FolderCheck check;
};

// The target for path, a full path (IsFullPath): "." and ".." resolved as the system resolves
// them, and every folder on the way checked (CheckInstallFolder).
InstallTarget CheckInstallTarget(const std::string& path);

// The refusal of the target's folder before anything is done (RefusalOf), its path in the ANSI
// code page for a message; empty when it is not refused.
std::string RefusalToShow(const InstallTarget& target);

// Reports, with flags MB_ICONERROR, a target whose folder is refused (RefusalOf) or cannot be made
// ("Could not create directory." and the system's text). True when it did: nothing may then be
// written.
bool ReportUnusableFolder(const InstallTarget& target);

// The folder dir, created with access when it is missing (an existing folder keeps its own list),
// then opened without following a link and held: while held it can be neither renamed nor
// deleted, nor can any folder on the way, so no link can take its place.
class HeldFolder {
public:
    HeldFolder(const std::string& dir, ProtectedAccess& access);

    // 0 when the folder is made and held; otherwise the system's error code, and
    // ERROR_CANT_ACCESS_FILE when what lies at dir is a link or not a folder.
    unsigned long GetError() const { return m_dwError; }

private:
    FileHandle m_folder;
    unsigned long m_dwError = 0;
};
