#pragma once
// The editor as the dialog, window and session tests use it: started with or without a document,
// its frame found, menu commands run on it, and closed as a person closes it. The log lines a run
// leaves are read back from its log file.

#include "tests/driver/Process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// How long a window may take to appear or to go, and the editor to end once asked.
inline constexpr testdriver::milliseconds kWindowLimit{10000};

class EditorSession {
public:
    // Starts the program at programPath (Windows form), followed by arguments when there are any,
    // and waits for its frame; the test fails when no frame appears.
    explicit EditorSession(const std::string& programPath, const std::string& arguments = {});

    testdriver::Process& Program() { return m_program; }
    HWND Frame() const { return m_frame; }

    // Runs the menu command and returns the dialog it shows (any caption); nullptr when none
    // appears in time.
    HWND OpenDialog(UINT command);

    // Closes the frame as its close box does and returns the exit code; nothing when the program
    // does not end in time.
    std::optional<DWORD> Close();

private:
    testdriver::Process m_program;
    HWND m_frame = nullptr;
};

// Waits until the window's thread has handled everything queued before this call and has had a
// moment to paint, so that what is read or photographed next is what it shows.
void Settle(HWND window);

// The entries of a log file ("hh:mm:ss-> text" lines), their texts in order.
std::vector<std::string> LogEntries(const std::string& content);

// Success when expected appears among entries as one unbroken run, in order.
testing::AssertionResult HasConsecutive(const std::vector<std::string>& entries,
                                        const std::vector<std::string>& expected);

} // namespace e2e
