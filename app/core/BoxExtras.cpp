#include "BoxExtras.h"

BoxExtras FitToSet(BoxExtras extras, std::uint32_t set) {
    if (extras.buttonTexts.size() != ButtonsOfSet(set).size())
        extras.buttonTexts.clear();
    if (extras.countdown && extras.countdown->answer != kTimedOut &&
        !SetHasNumber(set, extras.countdown->answer))
        extras.countdown->answer = kTimedOut;
    return extras;
}
