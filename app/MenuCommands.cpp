#include "Zembra.h"

#include "app/AboutDialog.h"
#include "app/OptionsDialog.h"
#include "app/resource.h"
#include "framework/CommandTable.h"
#include "framework/ModulePath.h"
#include "support/MyDocuments.h"
#include "support/ShellRun.h"
#include "support/core/ProductInfo.h"

// File New, File Open (which this application's OnFileOpen overrides) and Exit are rows of the
// framework's table.
bool CZembra::OnCommand(WORD id) {
    static const Command<CZembra> kCommands[] = {
        {ID_TOOLS_LOGOPTIONS, &CZembra::OnToolsLogOptions},
        {ID_HELP_ABOUT, &CZembra::OnHelpAbout},
        {ID_HELP_CONTENTS, &CZembra::OnHelpContents},
    };
    return Dispatch(*this, kCommands, id) || CWinApp::OnCommand(id);
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
