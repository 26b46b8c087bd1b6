#pragma once
// Help, About: the program's icon, name and version, who wrote it, when it was first released and
// when it was built.

#include "framework/Dialog.h"

class CAboutDialog : public CDialog {
public:
    explicit CAboutDialog(HWND parent);

protected:
    BOOL OnInitDialog() override;
};
