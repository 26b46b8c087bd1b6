#include "tests/driver/BoxCloser.h"

#include "tests/driver/Poll.h"

namespace testdriver {

void BoxCloser::Watch() {
    WaitUntil(
        [this] {
            EnumWindows(&BoxCloser::OnWindow, reinterpret_cast<LPARAM>(this));
            return m_stop.load();
        },
        kWatchLimit);
}

BOOL CALLBACK BoxCloser::OnWindow(HWND window, LPARAM self) {
    reinterpret_cast<BoxCloser*>(self)->Inspect(window);
    return TRUE;
}

void BoxCloser::Inspect(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId != GetCurrentProcessId() || std::string(className) != "#32770" ||
        !IsWindowVisible(window))
        return;
    for (HWND closed : m_closed) {
        if (closed == window)
            return;
    }
    SeenBox box;
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    box.caption = text;
    text[0] = '\0';
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    box.text = text;
    box.owner = GetWindow(window, GW_OWNER);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_seen.push_back(box);
    }
    m_closed.push_back(window);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

} // namespace testdriver
