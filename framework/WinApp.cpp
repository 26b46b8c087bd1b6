#include "WinApp.h"

#include "framework/CommandIds.h"
#include "framework/CommandTable.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/FileDialog.h"
#include "framework/FrameWnd.h"
#include "framework/Guard.h"
#include "framework/ModulePath.h"
#include "framework/core/CommandLineInfo.h"
#include "framework/core/PathText.h"

namespace {

CWinApp* g_pApp = nullptr;

std::string ModuleBaseName() {
    std::string name = FileNameOf(GetModulePath());
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

void CWinApp::LoadStdProfileSettings(UINT) {}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
    m_pDocTemplate = std::move(docTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
    ::ParseCommandLine(m_lpCmdLine, info);
}

BOOL CWinApp::ProcessShellCommand(const CCommandLineInfo& info) {
    if (m_pDocTemplate == nullptr)
        return FALSE;
    if (info.m_nShellCommand == CCommandLineInfo::FileOpen) {
        if (m_pDocTemplate->OpenDocumentFile(info.m_strFileName.c_str()) == nullptr)
            return FALSE;
    } else {
        OnCommand(ID_FILE_NEW);
    }
    return GetMainWnd() != nullptr;
}

bool CWinApp::OnCommand(WORD id) {
    static const Command<CWinApp> kCommands[] = {
        {ID_FILE_NEW, &CWinApp::OnFileNew},
        {ID_FILE_OPEN, &CWinApp::OnFileOpen},
        {ID_APP_EXIT, &CWinApp::OnAppExit},
    };
    return Dispatch(*this, kCommands, id);
}

void CWinApp::OnAppExit() {
    if (HWND main = GetMainWnd())
        SendMessageA(main, WM_CLOSE, 0, 0);
}

void CWinApp::OnFileNew() {
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
    if (m_pDocTemplate == nullptr)
        return;
    CFileDialog dialog(TRUE, m_pDocTemplate->GetDefaultExtension(), "",
                       OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, m_pDocTemplate->GetFileFilter(),
                       GetMainWnd());
    if (dialog.DoModal() != IDOK)
        return;
    m_pDocTemplate->OpenDocumentFile(dialog.GetPathName().c_str());
}

void CWinApp::QueueCommand(WORD id) {
    m_queuedCommands.push_back(id);
    // Wakes the message loop, which runs the command.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void CWinApp::RunQueuedCommands() {
    while (!m_queuedCommands.empty()) {
        const WORD id = m_queuedCommands.front();
        m_queuedCommands.pop_front();
        CFrameWnd* frame = m_pDocTemplate != nullptr ? m_pDocTemplate->GetFrame() : nullptr;
        if (frame != nullptr)
            frame->RouteCommand(id);
        else
            OnCommand(id);
    }
}

bool CWinApp::PreTranslateMessage(MSG& msg) {
    CFrameWnd* frame = m_pDocTemplate != nullptr ? m_pDocTemplate->GetFrame() : nullptr;
    return frame != nullptr && frame->PreTranslateMessage(msg);
}

void CWinApp::RunMessageLoop() {
    MSG msg{};
    for (;;) {
        Guarded("queued command", 0, [this] {
            RunQueuedCommands();
            return 0;
        });
        if (m_pDocTemplate != nullptr)
            m_pDocTemplate->DestroyPending();
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
            break;
        if (Guarded("message loop", false, [this, &msg] { return PreTranslateMessage(msg); }))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    m_nQuitCode = msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

void CWinApp::EndDocTemplate() {
    m_pDocTemplate.reset();
    m_hMainWnd = nullptr;
}

int CWinApp::FinalExitCode() {
    return m_bSessionEnded ? m_nExitCode : ExitInstance();
}

void CWinApp::OnSessionEnding() {
    if (m_bSessionEnded)
        return;
    m_bSessionEnded = true;
    m_nExitCode = ExitInstance();
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
