#include "ShowMessage.h"

#include "MessageOwner.h"

#include <windows.h>

namespace {
MessageHandler g_messageHandler = nullptr;
}

void SetMessageHandler(MessageHandler handler) {
    g_messageHandler = handler;
}

int ShowMessage(const std::string& text, const std::string& caption, unsigned type) {
    if (g_messageHandler != nullptr)
        return g_messageHandler(text, caption, type);
    return ShowMessageBox(text, caption, type);
}

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) {
    return MessageBoxA(GetMessageOwner(), text.c_str(), caption.c_str(), type);
}

int SilentMessageHandler(const std::string&, const std::string&, unsigned) {
    return IDYES;
}
