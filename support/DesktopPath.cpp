#include "DesktopPath.h"

#include "framework/KnownFolder.h"
#include "framework/PathEncoding.h"
#include "framework/core/PathText.h"

#include <knownfolders.h>

std::string GetCommonDesktopPath() {
    const std::wstring folder = KnownFolderPath(FOLDERID_PublicDesktop);
    return folder.empty() ? std::string() : WithTrailingBackslash(Utf8Path(folder));
}
