#pragma once
// A watcher for message boxes that the test's own process shows: it notes each one and presses
// its OK button, so that code under test that shows a box never waits for a user.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testdriver {

struct SeenBox {
    std::string caption;
    std::string text;
    HWND owner;
};

// Watches for dialog boxes of this process while it lives, notes each one and presses its OK
// button, so that a test that shows a box is never left waiting for a user.
class BoxCloser {
public:
    BoxCloser() : m_thread([this] { Watch(); }) {}
    ~BoxCloser() {
        m_stop = true;
        m_thread.join();
    }
    BoxCloser(const BoxCloser&) = delete;
    BoxCloser& operator=(const BoxCloser&) = delete;

    std::vector<SeenBox> Seen() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_seen;
    }

private:
    // A safeguard against a box that cannot be closed, not a measure of the test.
    static constexpr std::chrono::milliseconds kWatchLimit{30000};

    void Watch();

    static BOOL CALLBACK OnWindow(HWND window, LPARAM self);

    void Inspect(HWND window);

    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<SeenBox> m_seen;
    std::vector<HWND> m_closed;
    std::thread m_thread;
};

} // namespace testdriver
