#include "tests/driver/SystemText.h"

#include "tests/driver/Handles.h"

#include <windows.h>

namespace testdriver {

std::string SystemText(unsigned long code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0x400, reinterpret_cast<char*>(&buffer), 0, nullptr);
    const LocalMemory owned(buffer);
    return length != 0 && buffer != nullptr ? std::string(buffer, length) : std::string();
}

std::string AnsiText(const wchar_t* text, int length) {
    if (length < 0)
        length = lstrlenW(text);
    if (length == 0)
        return {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &narrow[0], bytes, nullptr, nullptr);
    return narrow;
}

} // namespace testdriver
