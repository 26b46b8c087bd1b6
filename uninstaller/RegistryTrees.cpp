#include "Uninstaller.h"

#include "framework/WinApp.h"
#include "support/RegistryEntries.h"
#include "support/RegistryKey.h"
#include "support/ShowMessage.h"
#include "support/core/ErrorDescription.h"
#include "uninstaller/core/UninstallerText.h"

void DeleteRegistryKeys() {
    for (const RegistryTree& tree : ProductRegistryTrees())
        DeleteRegistryTree(RootKey(tree.root), tree.key);
}

void DeleteRegistryTree(HKEY root, const std::string& key) {
    RegistryKey registryKey(root, key);
    const LONG result = registryKey.DeleteKey();
    if (result == ERROR_SUCCESS)
        return;
    ShowMessage(uninstaller::DeleteKeyMessage(GetHiveName(root), key,
                                              GetErrorDescription(static_cast<DWORD>(result))),
                AfxGetAppName(), MB_ICONERROR);
    MarkIncomplete();
}
