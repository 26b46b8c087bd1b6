#pragma once
// What a design may add to the standard box: its own words for the buttons and a countdown that
// answers by itself. Both travel in the block after the style word, which a 1.0 reader skips.

#include "app/core/ButtonSets.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Countdown {
    std::uint32_t seconds = 0;        // 1 to kMaxCountdownSeconds
    std::uint32_t answer = kTimedOut; // a button number of the set, or kTimedOut
    bool operator==(const Countdown& other) const {
        return seconds == other.seconds && answer == other.answer;
    }
    bool operator!=(const Countdown& other) const { return !(*this == other); }
};

// A field of the block that this reader does not know, kept as read so that saving writes it back.
struct KeptField {
    std::uint16_t tag = 0;
    std::vector<unsigned char> data;
    bool operator==(const KeptField& other) const { return tag == other.tag && data == other.data; }
};

struct BoxExtras {
    // None, or one word for every button of the set, in the set's order.
    std::vector<std::u16string> buttonTexts;
    std::optional<Countdown> countdown;
    std::vector<KeptField> keptFields;

    // Whether the design shows more than the standard box.
    bool ChangesBox() const { return !buttonTexts.empty() || countdown.has_value(); }
    // Whether a block is written at all.
    bool Empty() const { return !ChangesBox() && keptFields.empty(); }

    bool operator==(const BoxExtras& other) const {
        return buttonTexts == other.buttonTexts && countdown == other.countdown &&
               keptFields == other.keptFields;
    }
    bool operator!=(const BoxExtras& other) const { return !(*this == other); }
};

// The extras made to fit another button set: the words stay by position when the set has as many
// buttons and are dropped otherwise; an answer the set lacks becomes kTimedOut.
BoxExtras FitToSet(BoxExtras extras, std::uint32_t set);
