#include "Uninstaller.h"

#include "UninstallerApp.h"
#include "support/ShowMessage.h"
#include "uninstaller/core/UninstallerText.h"

void UninstallProduct() {
    using namespace uninstaller;
    DeleteProductFiles();
    DeleteRegistryKeys();
    if (!RunSelfRemovalScript()) {
        ShowMessage(kCouldNotDeleteUninstaller, AfxGetAppName(), MB_ICONERROR);
        MarkIncomplete();
    }
    if (GetUninstallerApp().m_bIncomplete)
        ShowMessage(kIncompleteReport, AfxGetAppName(), MB_ICONERROR);
    else
        ShowMessage(kSuccessReport, AfxGetAppName(), MB_ICONINFORMATION);
}
