#include "WinApp.h"

namespace {

CWinApp* g_pApp = nullptr;

std::string ModuleBaseName() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : 0);
    name.erase(0, name.find_last_of("\\/:") + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace

CWinApp::CWinApp() : m_strAppName(ModuleBaseName()) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

HWND CWinApp::GetMainWnd() const {
    return m_hMainWnd != nullptr && IsWindow(m_hMainWnd) ? m_hMainWnd : nullptr;
}

int CWinApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    m_nQuitCode = msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    return m_nQuitCode;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

const char* AfxGetAppName() {
    return g_pApp != nullptr ? g_pApp->GetAppName().c_str() : "";
}
