#include "CoreRegistryKeys.h"

#include "support/RegistryKey.h"
#include "support/SystemHelpers.h"
#include "support/core/ProductInfo.h"
#include "support/core/VersionText.h"

void CoreRegistryKeys::Load() {
    RegistryKey key(HKEY_LOCAL_MACHINE, product::kRegistryKey);
    m_strPath = key.GetString(product::kPathValue, "");
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
