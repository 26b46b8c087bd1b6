#include "SystemMessage.h"

#include "framework/UniqueHandle.h"

std::string SystemMessage(unsigned long errorCode) {
    LocalMemory buffer;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM,
        nullptr, errorCode, LANG_USER_DEFAULT, reinterpret_cast<char*>(buffer.Receive()), 0,
        nullptr);
    if (length == 0 || !buffer)
        return std::string();
    return std::string(static_cast<const char*>(buffer.Get()), length);
}

std::string TrimmedSystemMessage(unsigned long errorCode) {
    std::string text = SystemMessage(errorCode);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}
