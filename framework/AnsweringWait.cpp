#include "AnsweringWait.h"

namespace {

// What is left of limitMs after start; INFINITE stays so.
DWORD Remaining(ULONGLONG start, DWORD limitMs) {
    if (limitMs == INFINITE)
        return INFINITE;
    const ULONGLONG elapsed = GetTickCount64() - start;
    return elapsed >= limitMs ? 0 : static_cast<DWORD>(limitMs - elapsed);
}

} // namespace

DWORD WaitAnswering(HANDLE object, DWORD limitMs) {
    const ULONGLONG start = GetTickCount64();
    const DWORD count = object != nullptr ? 1 : 0;
    bool quit = false;
    WPARAM quitCode = 0;
    DWORD result = WAIT_FAILED;
    for (;;) {
        const DWORD remaining = Remaining(start, limitMs);
        if (quit) {
            if (object != nullptr) {
                result = WaitForSingleObject(object, remaining);
            } else {
                Sleep(remaining);
                result = WAIT_TIMEOUT;
            }
            break;
        }
        // Messages already queued count as well, not only those arriving from now on.
        result = MsgWaitForMultipleObjectsEx(count, count != 0 ? &object : nullptr, remaining,
                                             QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (result != WAIT_OBJECT_0 + count)
            break;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                quitCode = message.wParam;
                break;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (remaining == 0 && !quit) {
            result = count != 0 ? WaitForSingleObject(object, 0) : WAIT_TIMEOUT;
            break;
        }
    }
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    return result;
}
