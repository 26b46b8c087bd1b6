#pragma once
// Waiting for something to come true, with a time limit: the driver's one polling loop.

#include "tests/driver/Process.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <thread>

namespace testdriver {

constexpr milliseconds kPollInterval(20);

// The first window found() gives within limit; nullptr when none comes in time or the process
// ends without one.
template <typename Found> HWND Poll(const Process& process, milliseconds limit, Found found) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        // Look first, then check whether the process has ended: a window shown just before the
        // end is still reported, and an ended process can show nothing more.
        const bool running = process.IsRunning();
        if (HWND window = found())
            return window;
        if (!running || std::chrono::steady_clock::now() >= deadline)
            return nullptr;
        std::this_thread::sleep_for(kPollInterval);
    }
}

// True once condition holds within limit (it is checked once more at the limit).
inline bool WaitUntil(const std::function<bool()>& condition, milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return condition();
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

} // namespace testdriver
