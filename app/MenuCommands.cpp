#include "Zembra.h"

#include "app/AboutDialog.h"
#include "app/OptionsDialog.h"
#include "app/resource.h"
#include "framework/CommandIds.h"
#include "framework/ModulePath.h"
#include "support/MyDocuments.h"
#include "support/ShellRun.h"
#include "support/core/ProductInfo.h"

bool CZembra::OnCommand(WORD id) {
    switch (id) {
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_TOOLS_LOGOPTIONS:
        OnToolsLogOptions();
        return true;
    case ID_HELP_ABOUT:
        OnHelpAbout();
        return true;
    case ID_HELP_CONTENTS:
        OnHelpContents();
        return true;
    default:
        return CWinApp::OnCommand(id);
    }
}

void CZembra::OnFileOpen() {
    ChangeToMyDocuments();
    CWinApp::OnFileOpen();
}

void CZembra::OnToolsLogOptions() {
    m_Log.Append("Tools->Log Options clicked.");
    COptionsDialog dialog(GetMainWnd());
    m_Log.Append("Calling COptionsDialog.DoModal().");
    dialog.DoModal();
    m_Log.Append("COptionsDialog.DoModal() returned.");
}

void CZembra::OnHelpAbout() {
    m_Log.Append("Help->About clicked.");
    CAboutDialog dialog(GetMainWnd());
    m_Log.Append("Calling CAboutDialog.DoModal().");
    dialog.DoModal();
    m_Log.Append("CAboutDialog.DoModal() returned.");
}

void CZembra::OnHelpContents() {
    m_Log.Append("Help->Contents clicked.");
    if (ShellRun(GetProgramDirectory() + product::kHelpFile, "", SW_SHOWMAXIMIZED))
        m_Log.Append("Help file opened successfully.");
    else
        m_Log.Append("ShellRun() failed.  Help file could not be opened.");
}
