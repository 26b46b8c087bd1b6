#pragma once
// What the editor's "Buttons and time" dialog holds, read back into a design's extras: a word for
// every button of the set or for none, and a countdown of 1 to 86,400 seconds with its answer.

#include "app/core/BoxExtras.h"

#include <cstdint>
#include <string>
#include <vector>

struct ButtonsForm {
    std::uint32_t set = 0;
    std::vector<std::u16string> words; // one field per button of the set, empty when not given
    bool closeAfter = false;
    std::string seconds; // as typed
    std::uint32_t answer = kTimedOut;
};

struct ButtonsFormRead {
    bool sound = false;
    BoxExtras extras;      // when sound
    std::string problem;   // otherwise, for the user
    int fieldInError = -1; // the word field (0-based) or -2 for the seconds that need the user
};

// The dialog's fields as the design's extras; the fields a later program added to the block
// (before.keptFields) stay.
ButtonsFormRead ReadButtonsForm(const ButtonsForm& form, const BoxExtras& before);
// The fields the dialog opens with for extras of a design with button set set.
ButtonsForm FormOf(std::uint32_t set, const BoxExtras& extras);
