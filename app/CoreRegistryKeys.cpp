#include "CoreRegistryKeys.h"

#include "framework/PathEncoding.h"
#include "support/RegistryKey.h"
#include "support/SystemHelpers.h"
#include "support/core/ProductInfo.h"
#include "support/core/VersionText.h"

void CoreRegistryKeys::Load() {
    RegistryKey key(HKEY_LOCAL_MACHINE, product::kRegistryKey);
    // The folder may be named in any script: read through the wide functions, held in UTF-8 as
    // the program's own folder is, and compared unit for unit.
    m_strPath = Utf8Path(key.GetWideString(product::kPathValue, L""));
    m_strVersion = key.GetString(product::kVersionValue, "");
}

bool CoreRegistryKeys::Check() {
    Load();
    return m_strPath == GetProgramPath() && m_strVersion == GetProgramVersion();
}

std::string CoreRegistryKeys::GetProgramPath() {
    return GetProgramDirectory();
}

std::string CoreRegistryKeys::GetProgramVersion() {
    return ProductVersionText();
}
