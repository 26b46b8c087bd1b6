#pragma once
// The system's message box, with no owner and the style word unchanged, that a timer of its own
// thread ends after a while.

#include <cstdint>
#include <optional>
#include <string>

namespace cli {

// MessageBoxW's result: the pressed button, or kTimedOut once timeoutSeconds have passed with the
// box still open; 0, with the system's error in error, when no box could be shown or no timer set.
int ShowTimedBox(const std::u16string& caption, const std::u16string& text, std::uint32_t style,
                 std::optional<unsigned> timeoutSeconds, unsigned long& error);

} // namespace cli
