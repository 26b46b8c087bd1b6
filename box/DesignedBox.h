#pragma once
// The one way the programs show a designed box: the standard box with the style word unchanged,
// or, for a design with own button words or a countdown, a task dialog that answers as that
// standard box would.

#include "app/core/MessageBoxDesign.h"

#include <windows.h>

#include <cstdint>
#include <optional>

// The answer: the pressed button's number, or 32000 when the time ran out. timeoutSeconds, when
// given, closes the box after that long with 32000, in place of a design's countdown. 0, with the
// system's error in error, when no box could be shown.
int ShowDesignedBox(HWND owner, const MessageBoxDesign& design,
                    std::optional<std::uint32_t> timeoutSeconds, unsigned long& error);
