#include "ButtonSets.h"

namespace {

constexpr SetButton kOk = {1, "OK"};
constexpr SetButton kCancel = {2, "Cancel"};
constexpr SetButton kAbort = {3, "Abort"};
constexpr SetButton kRetry = {4, "Retry"};
constexpr SetButton kIgnore = {5, "Ignore"};
constexpr SetButton kYes = {6, "Yes"};
constexpr SetButton kNo = {7, "No"};

} // namespace

const std::vector<SetButton>& ButtonsOfSet(std::uint32_t set) {
    static const std::vector<SetButton> sets[] = {
        {kOk},       {kOk, kCancel},   {kAbort, kRetry, kIgnore}, {kYes, kNo, kCancel},
        {kYes, kNo}, {kRetry, kCancel}};
    static const std::vector<SetButton> none;
    return set < sizeof sets / sizeof sets[0] ? sets[set] : none;
}

bool SetHasNumber(std::uint32_t set, std::uint32_t number) {
    for (const SetButton& button : ButtonsOfSet(set))
        if (button.number == number)
            return true;
    return false;
}

std::string WordOfNumber(std::uint32_t number) {
    for (const SetButton& button : {kOk, kCancel, kAbort, kRetry, kIgnore, kYes, kNo})
        if (button.number == number)
            return button.word;
    return std::string();
}
