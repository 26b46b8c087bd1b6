#pragma once
// A dialog's icon control showing one of the program's icons at the size of the display the
// dialog is on. Left to itself, the control keeps its template's icon at the size of the display
// the program started on, stretched or cut on a display of another DPI.

#include "framework/Dpi.h"

#include <windows.h>

class CDialogIcon {
public:
    // Gives dialog's icon control (its first icon static) the program's icon resourceId at dpi.
    void Show(HWND dialog, WORD resourceId, UINT dpi);
    // The same icon again at dpi, once the dialog is on a display of another DPI; nothing when
    // no icon was shown.
    void Resize(HWND dialog, UINT dpi);

private:
    WORD m_resourceId = 0;
    IconHandle m_icon;
};
