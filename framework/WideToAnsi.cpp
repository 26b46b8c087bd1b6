#include "framework/core/Archive.h"

#include <windows.h>

std::string WideToAnsi(const std::u16string& wide) {
    if (wide.empty())
        return std::string();
    const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
    const int count = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, units, count, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, units, count, &text[0], size, nullptr, nullptr);
    return text;
}
