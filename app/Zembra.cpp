#include "Zembra.h"

#include "app/AppAccess.h"
#include "app/core/CommandLine.h"
#include "framework/CommandIds.h"
#include "framework/File.h"
#include "framework/Guard.h"
#include "framework/MessageBox.h"
#include "framework/core/Exception.h"
#include "log/LogFileOpen.h"
#include "log/core/LogSettingsText.h"
#include "support/MyDocuments.h"
#include "support/core/ValueFormat.h"

// The one application object. Its log is its first member, so the log's header precedes
// every other line of the run.
static CZembra theApp;

ProgramLog& GetProgramLog() {
    return theApp.m_Log;
}

LogFileSettings& GetLogFileSettings() {
    return theApp.m_LogFileSettings;
}

namespace {

// Every message of the program's own goes into its log before it is shown.
int LoggedMessage(const std::string& text, const std::string& caption, unsigned type) {
    return GetProgramLog().ShowMessage(text, caption, type);
}

// An exception stopped at an entry point ends only the operation that raised it.
void LogException(const std::string& where, const std::string& what) {
    GetProgramLog().Append("Error: exception in " + where + " stopped: " + what);
}

} // namespace

CZembra::CZembra() {
    m_Log.Append("CZembra object being created.");
    SetMessageHandler(LoggedMessage);
    SetExceptionReporter(LogException);
    m_bRunMode = false;
    m_nReturnValue = 0;
    m_Log.Append("CZembra object created.");
}

CZembra::~CZembra() {
    m_Log.Append("CZembra object being destroyed.  Flushing log.");
    // The end of the session has written it already.
    if (!m_Log.IsWritten())
        FlushLog();
}

void CZembra::FlushLog() noexcept {
    if (!m_LogFileSettings.bOutputLog)
        return;
    Guarded("writing the log file", 0, [this] {
        CheckLogFileSize();
        m_Log.WriteToFile(m_LogFileSettings.LogPath);
        return 0;
    });
}

BOOL CZembra::InitInstance() {
    m_Log.Append("CZembra::InitInstance() beginning.");
    m_nCmdShowAtStart = m_nCmdShow;
    m_nCmdShow = SW_HIDE;

    m_Log.Append(Enable3dControls() ? "Enable3dControls() succeeded."
                                    : "Error: Enable3dControls() failed.");

    m_Log.Append("Calling SetRegistryKey().");
    SetRegistryKey("");
    m_Log.Append("SetRegistryKey() returned.");

    m_Log.Append("Checking core registry settings.");
    CheckCoreRegistryKeys();

    m_Log.Append("Calling m_LogFileSettings.Load().");
    m_LogFileSettings.Load();
    m_Log.Append("m_LogFileSettings.Load() returned.");

    if (IsRunCommand(m_lpCmdLine)) {
        m_Log.Append("Parameters indicate file should be run.");
        m_bRunMode = true;
        RunFile(m_lpCmdLine);
        m_Log.Append(std::string("CZembra::InitInstance() returning false.") +
                     "\n(Don't start editor).");
        return FALSE;
    }
    if (!StartEditor()) {
        m_Log.Append("CZembra::InitInstance() returning false.");
        return FALSE;
    }
    m_Log.Append("CZembra::InitInstance() succeeded.");
    return TRUE;
}

int CZembra::ExitInstance() {
    m_Log.Append("CZembra::ExitInstance() beginning.");
    m_Log.Append("Calling m_LogFileSettings.Save().");
    m_LogFileSettings.Save();
    m_Log.Append("m_LogFileSettings.Save() returned.");
    if (m_bRunMode) {
        m_Log.Append("CZembra::ExitInstance() returning message box value.");
        m_Log.Append("Returning m_nReturnValue = " +
                     UIntToString(static_cast<std::uint32_t>(m_nReturnValue), 1));
        return m_nReturnValue;
    }
    m_Log.Append("CZembra::ExitInstance() succeeded.");
    return CWinApp::ExitInstance();
}

void CZembra::OnSessionEnding() {
    m_Log.Append("CZembra::OnSessionEnding() beginning.");
    m_Log.Append("Calling CWinApp::OnSessionEnding().");
    CWinApp::OnSessionEnding();
    m_Log.Append("CWinApp::OnSessionEnding() returned.  Flushing log.");
    FlushLog();
}

void CZembra::CheckCoreRegistryKeys() {
    if (m_CoreRegistryKeys.Check()) {
        m_Log.Append("Core registry keys okay.");
        return;
    }
    m_Log.Append("Invalid/missing core registry keys.");
    m_Log.ShowMessage(std::string("Program path/version mismatch.\n") +
                          "Consider re-installing the application.\n" +
                          "See the help file for more information.",
                      GetAppName(), MB_ICONERROR);
}

void CZembra::CheckLogFileSize() {
    std::uint64_t fileLength = 0;
    try {
        CFile file;
        OpenLogFile(file, m_LogFileSettings.LogPath, CFile::modeRead | CFile::shareDenyWrite);
        fileLength = file.GetLength();
    } catch (const CException&) {
    }
    if (!LogFileOverLimit(fileLength, m_Log.GetFileText().size(), m_LogFileSettings.nMaxLogSize))
        return;
    try {
        CFile file;
        OpenLogFile(file, m_LogFileSettings.LogPath, CFile::modeCreate | CFile::modeWrite);
        file.Close();
    } catch (const CException&) {
    }
}
