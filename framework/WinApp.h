#pragma once
// The application object: one static instance per program, driven by the framework's entry point.
// A document program adds one document template; the application then owns the template, which
// owns the document, the frame and the view.

#include <windows.h>

#include <deque>
#include <memory>
#include <string>

class CCommandLineInfo;
class CSingleDocTemplate;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // TRUE enters the message loop; FALSE ends the program after ExitInstance.
    virtual BOOL InitInstance() { return FALSE; }
    // Runs the message loop until the quit message.
    void RunMessageLoop();
    // The process exit code: the quit message's code.
    virtual int ExitInstance();
    // The document template ends, and with it the document, the view and the frame (a frame
    // window still alive goes without its handlers running). Every way out of a run passes here
    // before ExitInstance (RunApplication), so that nothing they own outlives what the derived
    // application holds and they write to.
    void EndDocTemplate();
    // ExitInstance's code: run now, or earlier when the session ended.
    int FinalExitCode();
    // The Windows session is ending: the system ends the process once the main window has
    // returned from WM_ENDSESSION, so neither the end of the message loop nor anything after
    // WinMain will run. Runs ExitInstance now, once; a program adds here what it does after
    // WinMain has returned.
    virtual void OnSessionEnding();

    // The program file's name without its extension.
    const std::string& GetAppName() const { return m_strAppName; }
    // The main window while it exists, else null.
    HWND GetMainWnd() const;

    // Controls are drawn three-dimensionally by the system itself.
    BOOL Enable3dControls() { return TRUE; }
    // The programs keep their settings under keys of their own (RegistryKey): nothing is stored.
    void SetRegistryKey(const char*) {}
    // Keeps no list of recent files: nMaxMRU must be 0.
    void LoadStdProfileSettings(UINT nMaxMRU);

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }

    // Fills info from m_lpCmdLine.
    void ParseCommandLine(CCommandLineInfo& info) const;
    // A new document or the named one; FALSE when that failed or no main window exists.
    BOOL ProcessShellCommand(const CCommandLineInfo& info);

    // A command of the application's own command table (menus, accelerators, queued commands);
    // true when handled. The framework's own: File New, File Open, Exit. A program adds its
    // own table and hands the rest to this one.
    virtual bool OnCommand(WORD id);
    // Runs a command once the current message has been handled and the program is back in its
    // message loop (never inside a message box or a dialog's own loop).
    void QueueCommand(WORD id);

    void OnFileNew();
    virtual void OnFileOpen();
    // Closes the main window, which asks to save the document first.
    void OnAppExit();

    // The command line without the program's name, in UTF-8.
    std::string m_lpCmdLine;
    int m_nCmdShow = SW_SHOWNORMAL;
    HWND m_hMainWnd = nullptr;
    // The user-interface thread: the one that constructed the application object.
    DWORD m_nThreadID = GetCurrentThreadId();

protected:
    // Gives the main frame its accelerators and its form the dialog keys; true when handled.
    bool PreTranslateMessage(MSG& msg);
    void RunQueuedCommands();

private:
    std::string m_strAppName;
    int m_nQuitCode = 0;
    // ExitInstance has run for the session's end, and its exit code.
    bool m_bSessionEnded = false;
    int m_nExitCode = 0;
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
    std::deque<WORD> m_queuedCommands;
};

// The program's application object.
CWinApp* AfxGetApp();
const char* AfxGetAppName();
