#include "Uninstaller.h"

#include "support/Administrator.h"
#include "uninstaller/core/UninstallerText.h"

bool ConfirmAdministrator() {
    return ConfirmUnlessAdministrator(uninstaller::kNotAdministratorQuestion);
}
