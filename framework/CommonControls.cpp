#include "CommonControls.h"

#include "framework/SystemLibrary.h"

#include <commctrl.h>

bool LoadCommonControls(DWORD classes) {
    static DWORD registered = 0;
    if ((registered & classes) == classes)
        return true;
    // Loaded in the program's own activation context, which names version 6.
    const auto initialize =
        CommonControlsFunction<BOOL WINAPI(const INITCOMMONCONTROLSEX*)>("InitCommonControlsEx");
    const INITCOMMONCONTROLSEX controls{sizeof(controls), classes};
    if (initialize == nullptr || !initialize(&controls))
        return false;
    registered |= classes;
    return true;
}
