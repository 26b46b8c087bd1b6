#include "ButtonsForm.h"

ButtonsFormRead ReadButtonsForm(const ButtonsForm& form, const BoxExtras& before) {
    ButtonsFormRead read;
    const std::vector<SetButton>& buttons = ButtonsOfSet(form.set);
    std::string missing;
    std::size_t given = 0;
    int firstMissing = -1;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool hasWord = i < form.words.size() && !form.words[i].empty();
        if (hasWord) {
            ++given;
            continue;
        }
        if (firstMissing < 0)
            firstMissing = static_cast<int>(i);
        missing += std::string(missing.empty() ? "" : ", ") + "Button " + std::to_string(i + 1) +
                   " (" + buttons[i].word + ")";
    }
    if (given != 0 && given != buttons.size()) {
        read.problem = "Every button needs its own word, or none does.\nMissing: " + missing + ".";
        read.fieldInError = firstMissing;
        return read;
    }
    read.extras.keptFields = before.keptFields;
    if (given != 0)
        read.extras.buttonTexts.assign(form.words.begin(), form.words.begin() + given);
    if (form.closeAfter) {
        std::uint32_t seconds = 0;
        bool number = !form.seconds.empty();
        for (const char c : form.seconds) {
            if (c < '0' || c > '9' || seconds > kMaxCountdownSeconds) {
                number = false;
                break;
            }
            seconds = seconds * 10 + static_cast<std::uint32_t>(c - '0');
        }
        if (!number || seconds < 1 || seconds > kMaxCountdownSeconds) {
            read.problem = "Close after takes a whole number of seconds from 1 to 86400.";
            read.fieldInError = -2;
            return read;
        }
        const std::uint32_t answer = SetHasNumber(form.set, form.answer) ? form.answer : kTimedOut;
        read.extras.countdown = Countdown{seconds, answer};
    }
    read.sound = true;
    return read;
}

ButtonsForm FormOf(std::uint32_t set, const BoxExtras& extras) {
    ButtonsForm form;
    form.set = set;
    form.words = extras.buttonTexts;
    form.words.resize(ButtonsOfSet(set).size());
    form.closeAfter = extras.countdown.has_value();
    if (extras.countdown) {
        form.seconds = std::to_string(extras.countdown->seconds);
        form.answer = extras.countdown->answer;
    }
    return form;
}
