#pragma once
// Waiting for a window of a started program: the driver's one polling loop.

#include "tests/driver/Process.h"

#include <windows.h>

#include <chrono>
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

} // namespace testdriver
