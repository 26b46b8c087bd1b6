#include "Dialog.h"

bool CDialog::OnCommand(WORD id, WORD) {
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}
