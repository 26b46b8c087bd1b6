// The floor of the editor's start: a frame window with a menu and a dialog child, and nothing
// else. Closing the frame ends it.

#include <windows.h>

namespace {

INT_PTR CALLBACK FormProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FrameProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    windowClass.lpszClassName = "FloorFrame";
    RegisterClassA(&windowClass);
    const HWND frame =
        CreateWindowExA(0, "FloorFrame", "Floor", WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                        LoadMenuA(instance, MAKEINTRESOURCEA(1)), instance, nullptr);
    const HWND form = CreateDialogA(instance, MAKEINTRESOURCEA(2), frame, FormProc);
    ShowWindow(form, SW_SHOW);
    ShowWindow(frame, show);
    UpdateWindow(frame);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(form, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
