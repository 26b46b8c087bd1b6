#include "Uninstaller.h"

#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "uninstaller/core/UninstallerText.h"

bool UninstallProduct() {
    using namespace uninstaller;
    // Every step runs whatever the one before it achieved.
    bool complete = DeleteProductFiles();
    complete &= DeleteRegistryKeys();
    if (!RunSelfRemovalScript()) {
        ShowMessage(kCouldNotDeleteUninstaller, AfxGetAppName(), MB_ICONERROR);
        complete = false;
    }
    if (complete)
        ShowMessage(kSuccessReport, AfxGetAppName(), MB_ICONINFORMATION);
    else
        ShowMessage(kIncompleteReport, AfxGetAppName(), MB_ICONERROR);
    return complete;
}
