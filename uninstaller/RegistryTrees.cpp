#include "Uninstaller.h"

#include "framework/CodePage.h"
#include "framework/MessageBox.h"
#include "framework/SystemMessage.h"
#include "framework/WinApp.h"
#include "support/RegistryEntries.h"
#include "support/RegistryKey.h"
#include "uninstaller/core/UninstallerText.h"

bool DeleteRegistryKeys() {
    bool complete = true;
    for (const RegistryTree& tree : ProductRegistryTrees())
        complete &= DeleteRegistryTree(tree);
    return complete;
}

bool DeleteRegistryTree(const RegistryTree& tree) {
    const RegistryTree stored = StoredKey(tree.root, tree.key);
    RegistryKey registryKey(RootKey(stored.root), stored.key);
    const LONG result = registryKey.DeleteKey();
    if (result == ERROR_SUCCESS)
        return true;
    ShowMessage(
        uninstaller::DeleteKeyMessage(GetHiveName(RootKey(tree.root)), tree.key,
                                      AnsiToUtf8(SystemMessage(static_cast<DWORD>(result)))),
        AfxGetAppName(), MB_ICONERROR);
    return false;
}
