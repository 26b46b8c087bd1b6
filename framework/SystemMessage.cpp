#include "SystemMessage.h"

#include <windows.h>

std::string SystemMessage(unsigned long errorCode) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM,
        nullptr, errorCode, LANG_USER_DEFAULT, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length != 0 && buffer != nullptr ? std::string(buffer, length) : "";
    LocalFree(buffer);
    return text;
}
