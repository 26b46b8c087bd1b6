#pragma once
// The Zembra application: runs a saved message box (RUN on the command line) or starts the editor.
//
// The one application object owns the log, the log settings and the installation record; the
// base owns the editor's document template, which owns the document, the view and the frame.
// Every run ends in one order (RunApplication): the template with its objects, then ExitInstance
// (the settings saved, the exit code), then, at static destruction, ~CZembra (the log file) and
// the members in reverse order, the log last.

#include "app/CoreRegistryKeys.h"
#include "framework/WinApp.h"
#include "log/LogFileSettings.h"
#include "log/ProgramLog.h"

#include <cstdint>
#include <string>

class MessageBoxDesign;

class CZembra : public CWinApp {
public:
    CZembra();
    ~CZembra() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    // The Windows session ends while the editor runs: ExitInstance, then the log file as at the
    // end of any run, since the system ends the process before static destruction.
    void OnSessionEnding() override;
    bool OnCommand(WORD id) override;

    // Shows the designed box, owned by the main window unless it is system-modal, and keeps
    // the pressed button's number.
    void ShowMessageBox(const MessageBoxDesign& design);

    ProgramLog m_Log;
    bool m_bRunMode;
    int m_nReturnValue;
    LogFileSettings m_LogFileSettings;
    CoreRegistryKeys m_CoreRegistryKeys;

    // The show command the program was started with, kept while the main window is made hidden.
    int m_nCmdShowAtStart = SW_SHOWNORMAL;

private:
    void CheckCoreRegistryKeys();
    // The editor: document template, the command line's document, the main window shown.
    // False when no main window could be made.
    bool StartEditor();
    // The application's menu commands.
    void OnFileOpen() override;
    void OnToolsLogOptions();
    void OnHelpAbout();
    void OnHelpContents();
    // Loads the document named on the command line and shows its box.
    void RunFile(const std::string& commandLine);
    // Empties the log file when this run's text would take it past the size limit.
    void CheckLogFileSize();
    // Appends the log to its file when logging is on. Whatever fails there ends only the writing.
    void FlushLog() noexcept;
};
