#pragma once
// The application object: one static instance per program, driven by the framework's entry point.

#include <windows.h>

#include <string>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // TRUE enters the message loop; FALSE ends the program after ExitInstance.
    virtual BOOL InitInstance() { return FALSE; }
    // Runs the message loop until the quit message, then returns ExitInstance's code.
    virtual int Run();
    // The process exit code: the quit message's code.
    virtual int ExitInstance();

    // The program file's name without its extension.
    const std::string& GetAppName() const { return m_strAppName; }
    // The main window while it exists, else null.
    HWND GetMainWnd() const;

    // Controls are drawn three-dimensionally by the system itself.
    BOOL Enable3dControls() { return TRUE; }
    void SetRegistryKey(const char* company) { m_strRegistryKey = company; }

    // The command line without the program's name.
    std::string m_lpCmdLine;
    int m_nCmdShow = SW_SHOWNORMAL;
    HWND m_hMainWnd = nullptr;

protected:
    std::string m_strRegistryKey;

private:
    std::string m_strAppName;
    int m_nQuitCode = 0;
};

// The program's application object.
CWinApp* AfxGetApp();
const char* AfxGetAppName();
