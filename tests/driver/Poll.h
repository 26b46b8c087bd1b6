#pragma once
// Waiting for something to come true, with a time limit: the driver's one polling loop.

#include "tests/driver/Process.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <thread>

namespace testdriver {

constexpr milliseconds kPollInterval(20);

// True once condition holds within limit, looked at every interval (and once more at the limit).
inline bool WaitUntil(const std::function<bool()>& condition, milliseconds limit,
                      milliseconds interval = kPollInterval) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return condition();
        std::this_thread::sleep_for(interval);
    }
    return true;
}

// The first value find() gives that tests true within limit; an empty value when none comes.
template <typename Find>
auto WaitFor(Find find, milliseconds limit, milliseconds interval = kPollInterval)
    -> decltype(find()) {
    decltype(find()) found{};
    WaitUntil(
        [&] {
            found = find();
            return static_cast<bool>(found);
        },
        limit, interval);
    return found;
}

// The first window found() gives within limit; nullptr when none comes in time or the process
// ends without one.
template <typename Found> HWND Poll(const Process& process, milliseconds limit, Found found) {
    HWND window = nullptr;
    WaitUntil(
        [&] {
            // Look first, then check whether the process has ended: a window shown just before
            // the end is still reported, and an ended process can show nothing more.
            const bool running = process.IsRunning();
            window = found();
            return window != nullptr || !running;
        },
        limit);
    return window;
}

} // namespace testdriver
