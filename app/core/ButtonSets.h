#pragma once
// The buttons of each of the six button sets in the order the box shows them: the number each
// ends the box with and the system's English word for it. A countdown that runs out answers
// kTimedOut, the value Windows gives a timed-out box.

#include <cstdint>
#include <string>
#include <vector>

constexpr std::uint32_t kTimedOut = 32000;
// The longest countdown a design may hold, in seconds (a day).
constexpr std::uint32_t kMaxCountdownSeconds = 86400;

struct SetButton {
    std::uint32_t number; // IDOK 1 ... IDNO 7
    const char* word;     // "OK", "Cancel", ...
};

// The buttons of set 0 to 5; none for a value that is no button set.
const std::vector<SetButton>& ButtonsOfSet(std::uint32_t set);
// Whether the set has a button that ends the box with number.
bool SetHasNumber(std::uint32_t set, std::uint32_t number);
// The word of a button number ("Yes" for 6); empty for a number no set has.
std::string WordOfNumber(std::uint32_t number);
