#include "tests/driver/SystemEvents.h"

#include "tests/driver/Handles.h"
#include "tests/driver/Messages.h"
#include "tests/driver/RemoteMemory.h"

namespace testdriver {

namespace {

std::optional<LRESULT> SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  milliseconds limit) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL,
                             static_cast<UINT>(limit.count()), &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

} // namespace

EndSessionQuery::EndSessionQuery(HWND window, milliseconds limit)
    : m_answer(std::async(std::launch::async, [window, limit] {
          return SendWithin(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, limit);
      })) {}

std::optional<bool> EndSessionQuery::Answer(milliseconds limit) {
    if (!m_answer.valid() || m_answer.wait_for(limit) != std::future_status::ready)
        return std::nullopt;
    const std::optional<LRESULT> answer = m_answer.get();
    if (!answer)
        return std::nullopt;
    return *answer != FALSE;
}

bool EndSession(HWND window, bool ending, milliseconds limit) {
    return SendWithin(window, WM_ENDSESSION, ending, ENDSESSION_LOGOFF, limit).has_value();
}

bool ChangeDpi(HWND window, UINT dpi, const RECT& suggested) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    const OwnedHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid));
    if (!process)
        return false;
    const RemoteMemory rect(process.Get(), sizeof(RECT));
    return rect && rect.Write(0, &suggested, sizeof(RECT)) &&
           Ask(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(rect.Get()))
               .has_value();
}

} // namespace testdriver
