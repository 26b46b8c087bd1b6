#include "tests/driver/Screenshot.h"

#include "tests/driver/Files.h"

#include "tests/driver/Handles.h"
#include "tests/driver/Process.h"
#include "tests/driver/core/Png.h"

#include <cstdlib>

namespace testdriver {

std::string TestOutputFolder() {
    const char* chosen = std::getenv("ZEMBRA_TEST_OUTPUT");
    std::string folder = chosen && *chosen ? chosen : WindowsPathOf(ZEMBRA_TEST_OUTPUT_DIR);
    for (char& c : folder) {
        if (c == '/')
            c = '\\';
    }
    if (folder.back() != '\\')
        folder += '\\';
    CreateFolders(folder);
    return folder;
}

std::optional<std::vector<DWORD>> ScreenPixels(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ScreenDC screen;
    MemoryDC memory;
    DibSection dib(width, height);
    if (width <= 0 || height <= 0 || !screen || !memory || !dib)
        return std::nullopt;
    SelectedObject selected(memory.Get(), dib.Get());
    if (!selected ||
        !BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY))
        return std::nullopt;
    return dib.Pixels();
}

std::string SaveScreenshot(HWND window, const std::string& name) {
    RECT rect{};
    if (!IsWindow(window) || !GetWindowRect(window, &rect))
        return {};
    // Painted to the end first: a window just shown may not yet have drawn every control.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const auto pixels = ScreenPixels(rect);
    if (!pixels)
        return {};
    const std::string path = TestOutputFolder() + name + ".png";
    return WriteBytes(path, EncodePng(rect.right - rect.left, rect.bottom - rect.top,
                                      {pixels->begin(), pixels->end()}))
               ? path
               : std::string();
}

int ScreenDpi() {
    const ScreenDC screen;
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

int ExpectedDpi() {
    const char* expected = std::getenv("ZEMBRA_EXPECTED_DPI");
    return expected && *expected ? std::atoi(expected) : USER_DEFAULT_SCREEN_DPI;
}

std::string SaveScreenshotAtDpi(HWND window, const std::string& name) {
    return SaveScreenshot(window, name + "-" + std::to_string(ScreenDpi()) + "dpi");
}

} // namespace testdriver
