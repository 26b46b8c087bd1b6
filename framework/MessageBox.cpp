#include "MessageBox.h"

#include "framework/CodePage.h"
#include "framework/SystemLibrary.h"
#include "framework/WinApp.h"

namespace {

MessageHandler g_messageHandler = nullptr;

} // namespace

void SetMessageHandler(MessageHandler handler) {
    g_messageHandler = handler;
}

int ShowMessage(const std::string& text, const std::string& caption, unsigned type) {
    if (g_messageHandler != nullptr)
        return g_messageHandler(text, caption, type);
    return ShowMessageBox(text, caption, type);
}

int AfxMessageBox(const std::string& text, unsigned type) {
    return ShowMessage(text, AfxGetAppName(), type);
}

HWND GetMessageOwner() {
    const CWinApp* app = AfxGetApp();
    return app != nullptr ? app->GetMainWnd() : nullptr;
}

int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                     unsigned type) {
    PrepareSystemRoad(SystemRoad::Windows);
    return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

int SystemMessageBox(HWND owner, const std::string& text, const std::string& caption,
                     unsigned type) {
    return SystemMessageBox(owner, ToWide(CP_ACP, text), ToWide(CP_ACP, caption), type);
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) {
    return SystemMessageBox(GetMessageOwner(), text, caption, type);
}
