#include "AboutDialog.h"

#include "app/AppAccess.h"
#include "app/LinkTime.h"
#include "app/core/BuildDate.h"
#include "app/resource.h"
#include "log/ProgramLog.h"
#include "support/core/VersionText.h"

namespace {

const char* const kCredit = "By the Zembra developers";
const char* const kFirstReleased = "12/07/2026";

} // namespace

CAboutDialog::CAboutDialog(HWND parent) : CDialog(IDD_ABOUT, parent) {}

BOOL CAboutDialog::OnInitDialog() {
    GetProgramLog().Append("CAboutDialog::OnInitDialog() beginning.");
    SetWindowText("About Zembra...");
    SetDlgItemText(IDC_ABOUT_LINE1, "Zembra " + ProductVersionText());
    SetDlgItemText(IDC_ABOUT_LINE2, kCredit);
    SetDlgItemText(IDC_ABOUT_LINE3, std::string("First Released: ") + kFirstReleased);
    SetDlgItemText(IDC_ABOUT_LINE4, "Recompiled: " + BuildDateText(LinkTime()));
    ShowIconAtDpi(IDR_MAINFRAME);
    GetProgramLog().Append("CAboutDialog::OnInitDialog() succeeded.");
    return CDialog::OnInitDialog();
}
