#include "Dpi.h"

#include "framework/SystemLibrary.h"

namespace {

// The DPI the system was started with, which GetSystemMetrics answers for.
UINT SystemDpi() {
    const ScreenDC screen;
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

UINT DpiOf(HWND window) {
    static const auto forWindow =
        SystemFunction<UINT WINAPI(HWND)>(L"user32.dll", "GetDpiForWindow");
    const UINT dpi = forWindow != nullptr ? forWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

int SystemMetricForDpi(int metric, UINT dpi) {
    static const auto forDpi =
        SystemFunction<int WINAPI(int, UINT)>(L"user32.dll", "GetSystemMetricsForDpi");
    if (forDpi != nullptr)
        return forDpi(metric, dpi);
    // Before Windows 10, version 1607, the metrics are those of the system's DPI.
    return MulDiv(GetSystemMetrics(metric), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

IconHandle LoadIconForDpi(WORD resourceId, UINT dpi) {
    const int size = SystemMetricForDpi(SM_CXICON, dpi);
    return IconHandle(
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}
