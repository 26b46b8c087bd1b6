#include "UninstallerApp.h"

// The one application object; the framework's WinMain drives it.
static CUninstallerApp theApp;

CUninstallerApp& GetUninstallerApp() {
    return theApp;
}
