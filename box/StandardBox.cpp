#include "StandardBox.h"

#include "app/core/ButtonSets.h"
#include "framework/SystemLibrary.h"
#include "framework/WideText.h"

#include <cstring>

namespace {

// Ends the thread's message box (its dialog class) with the timed-out result.
BOOL CALLBACK EndIfBox(HWND window, LPARAM) noexcept {
    char className[8] = "";
    if (GetClassNameA(window, className, sizeof className) == 0 ||
        std::strcmp(className, "#32770") != 0)
        return TRUE;
    EndDialog(window, kTimedOut);
    return FALSE;
}

// Runs in the box's own message loop, which dispatches the thread's timer messages.
void CALLBACK OnTimeout(HWND, UINT, UINT_PTR, DWORD) noexcept {
    EnumThreadWindows(GetCurrentThreadId(), EndIfBox, 0);
}

// A timer of the calling thread, killed with its owner.
class ThreadTimer {
public:
    ThreadTimer() = default;
    ~ThreadTimer() {
        if (m_id != 0)
            KillTimer(nullptr, m_id);
    }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    bool Start(UINT milliseconds, TIMERPROC proc) {
        m_id = SetTimer(nullptr, 0, milliseconds, proc);
        return m_id != 0;
    }

private:
    UINT_PTR m_id = 0;
};

} // namespace

int ShowStandardBox(HWND owner, const std::u16string& caption, const std::u16string& text,
                    std::uint32_t style, std::optional<std::uint32_t> timeoutSeconds,
                    unsigned long& error) {
    // Before the timer starts, so that the time the box is shown is the time asked for.
    PrepareSystemRoad(SystemRoad::Windows);
    ThreadTimer timer;
    if (timeoutSeconds && !timer.Start(*timeoutSeconds * 1000u, OnTimeout)) {
        error = GetLastError();
        return 0;
    }
    const int result = MessageBoxW(owner, AsWide(text), AsWide(caption), style);
    error = result == 0 ? GetLastError() : 0;
    return result;
}
