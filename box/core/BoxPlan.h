#pragma once
// How a design is shown: by the standard box exactly as before, or, when it has own button words
// or a countdown and its style word is one the style tables name, as a task dialog that behaves as
// the standard box of the same style word would: the same buttons with the same numbers in the
// same order, the same default, icon, sound, priority, and the same answer to Esc.

#include "app/core/MessageBoxDesign.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PlannedButton {
    std::uint32_t number; // what pressing it answers
    std::u16string text;  // the design's own word, or the set's word
};

struct BoxPlan {
    bool taskDialog = false; // false: the standard box, with the style word unchanged
    std::vector<PlannedButton> buttons;
    // No own words and a set that the system's common buttons show in its order (OK, Cancel, Yes,
    // No): the buttons carry the system's words in the user's language. The others have no
    // common Abort or Ignore, or show Cancel before Retry.
    bool commonButtons = false;
    std::uint32_t defaultButton = 0; // a number among the buttons
    std::uint32_t icon = 0;          // the icon group: 0, 0x10, 0x20, 0x30 or 0x40
    bool topmost = false;            // System priority
    // What Esc and the close box answer; nothing where the standard box offers neither.
    std::optional<std::uint32_t> escapeAnswer;
    std::optional<Countdown> countdown;
};

// Whether every group of the style word holds a value the style tables name and no other bit is
// set.
bool IsNamedStyle(std::uint32_t style);

// The plan for design. timeoutSeconds, when given, replaces the design's countdown with one that
// answers timed out; a design without extras keeps the standard box, which its caller times.
BoxPlan PlanBox(const MessageBoxDesign& design,
                std::optional<std::uint32_t> timeoutSeconds = std::nullopt);

// The line the countdown shows: "This box closes in 4:59.", past an hour "... in 1:04:59.".
std::u16string CountdownText(std::uint32_t secondsLeft);
