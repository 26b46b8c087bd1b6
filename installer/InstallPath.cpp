#include "InstallPath.h"

#include "installer/core/InstallerTexts.h"

std::string g_strInstallPath = installer::kDefaultInstallPath;
