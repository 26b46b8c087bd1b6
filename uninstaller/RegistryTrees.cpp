#include "Uninstaller.h"

#include "framework/WinApp.h"
#include "support/RegistryEntries.h"
#include "support/RegistryKey.h"
#include "support/ShowMessage.h"
#include "support/core/ErrorDescription.h"
#include "uninstaller/core/UninstallerText.h"

bool DeleteRegistryKeys() {
    bool complete = true;
    for (const RegistryTree& tree : ProductRegistryTrees())
        complete &= DeleteRegistryTree(RootKey(tree.root), tree.key);
    return complete;
}

bool DeleteRegistryTree(HKEY root, const std::string& key) {
    RegistryKey registryKey(root, key);
    const LONG result = registryKey.DeleteKey();
    if (result == ERROR_SUCCESS)
        return true;
    ShowMessage(uninstaller::DeleteKeyMessage(GetHiveName(root), key,
                                              GetErrorDescription(static_cast<DWORD>(result))),
                AfxGetAppName(), MB_ICONERROR);
    return false;
}
