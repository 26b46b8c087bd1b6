#include "MessageOwner.h"

#include "framework/WinApp.h"

HWND GetMessageOwner() {
    const CWinApp* app = AfxGetApp();
    return app != nullptr ? app->GetMainWnd() : NULL;
}
