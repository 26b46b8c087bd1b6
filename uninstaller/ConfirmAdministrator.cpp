#include "Uninstaller.h"

#include "framework/WinApp.h"
#include "support/Administrator.h"
#include "support/ShowMessage.h"
#include "uninstaller/core/UninstallerText.h"

bool ConfirmAdministrator() {
    if (IsAdministrator())
        return true;
    return ShowMessage(uninstaller::kNotAdministratorQuestion, AfxGetAppName(),
                       MB_YESNO | MB_ICONINFORMATION) == IDYES;
}
