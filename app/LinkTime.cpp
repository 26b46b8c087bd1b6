#include "LinkTime.h"

#include <windows.h>

std::uint32_t LinkTime() {
    const auto* image = reinterpret_cast<const BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
    return headers->FileHeader.TimeDateStamp;
}
