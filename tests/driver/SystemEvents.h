#pragma once
// The system's part in a program's life, played by a test: the end of the Windows session (the
// user logging off or shutting down) and a move to a display of another DPI.

#include "tests/driver/Process.h"

#include <windows.h>

#include <future>
#include <optional>

namespace testdriver {

// The system asking a window whether the session may end (WM_QUERYENDSESSION at log-off). The
// question is sent from a thread of its own, so that the test can answer whatever the program
// asks before it answers.
class EndSessionQuery {
public:
    // The window has up to limit to answer.
    EndSessionQuery(HWND window, milliseconds limit);

    // The window's answer once it has given it within limit: true lets the session end. Nothing
    // when no answer came in time.
    std::optional<bool> Answer(milliseconds limit);

private:
    std::future<std::optional<LRESULT>> m_answer;
};

// The system telling a window whether the session ends after all (WM_ENDSESSION at log-off).
// True once the window has returned from it within limit; with ending, the system may end the
// process from then on.
bool EndSession(HWND window, bool ending, milliseconds limit);

// The system telling a top-level window that it now lies on a display of dpi (WM_DPICHANGED,
// the same DPI both ways) and suggesting its new rectangle, which lies in the window's own
// process, as the system's does. True once the window has handled it.
bool ChangeDpi(HWND window, UINT dpi, const RECT& suggested);

} // namespace testdriver
