#include "Zembra.h"

#include "app/ZembraDocument.h"
#include "app/ZembraFrame.h"
#include "app/ZembraView.h"
#include "app/resource.h"
#include "framework/DocTemplate.h"
#include "framework/core/CommandLineInfo.h"

bool CZembra::StartEditor() {
    m_Log.Append("No parameters or parameters indicate file should be edited.");
    m_Log.Append("Calling LoadStdProfileSettings().");
    LoadStdProfileSettings(0);
    m_Log.Append("LoadStdProfileSettings() returned.");

    m_Log.Append("Creating CSingleDocTemplate object.");
    auto docTemplate = std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CZembraDocument>(); },
        [] { return std::make_unique<CZembraFrame>(); },
        [this] { return std::make_unique<CZembraView>(*this); });
    m_Log.Append("CSingleDocTemplate object created.");
    m_Log.Append("Calling AddDocTemplate() on CSingleDocTemplate.");
    AddDocTemplate(std::move(docTemplate));
    m_Log.Append("AddDocTemplate() returned.");

    m_Log.Append("Calling ParseCommandLine().");
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    m_Log.Append("ParseCommandLine() returned.");

    m_Log.Append("Calling ProcessShellCommand().");
    if (ProcessShellCommand(commandLine))
        m_Log.Append("ProccessShellCommand() succeeded.");
    else
        m_Log.ShowMessage("Error:\nProcessShellCommmand() failed.\nInvalid parameters.",
                          GetAppName(), MB_ICONERROR);

    // A document that failed to open at start leaves no window to show.
    auto* frame = static_cast<CZembraFrame*>(GetDocTemplate()->GetFrame());
    if (GetMainWnd() == nullptr || frame == nullptr)
        return false;
    frame->LoadWindowPlacement();
    m_Log.Append("Initializing window.");
    ShowWindow(m_hMainWnd, m_nCmdShowAtStart);
    UpdateWindow(m_hMainWnd);
    m_Log.Append("Window initialized.");
    return true;
}
