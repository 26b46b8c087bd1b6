#include "BoxPlan.h"

#include "app/core/StyleTables.h"

namespace {

constexpr std::uint32_t kIdOk = 1;
constexpr std::uint32_t kIdCancel = 2;
constexpr std::uint32_t kSetAbortRetryIgnore = 2;
constexpr std::uint32_t kSetRetryCancel = 5;

bool InTable(const StyleTable& table, std::uint32_t style) {
    return table.FindLabel(style & table.Mask()).has_value();
}

std::u16string Widened(const char* ascii) {
    return std::u16string(ascii, ascii + std::char_traits<char>::length(ascii));
}

std::u16string TwoDigits(std::uint32_t value) {
    return {char16_t(u'0' + value / 10), char16_t(u'0' + value % 10)};
}

} // namespace

bool IsNamedStyle(std::uint32_t style) {
    const CMaps maps;
    const StyleTable* tables[] = {&maps.m_IconMap, &maps.m_ButtonMap, &maps.m_DefButtonMap,
                                  &maps.m_ModalMap};
    std::uint32_t groups = 0;
    for (const StyleTable* table : tables) {
        if (!InTable(*table, style))
            return false;
        groups |= table->Mask();
    }
    return (style & ~groups) == 0;
}

BoxPlan PlanBox(const MessageBoxDesign& design, std::optional<std::uint32_t> timeoutSeconds) {
    BoxPlan plan;
    const BoxExtras& extras = design.GetExtras();
    if (!extras.ChangesBox() || !IsNamedStyle(design.GetStyle()))
        return plan;
    plan.taskDialog = true;
    const std::uint32_t set = design.GetButton();
    const std::vector<SetButton>& buttons = ButtonsOfSet(set);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        plan.buttons.push_back({buttons[i].number, extras.buttonTexts.empty()
                                                       ? Widened(buttons[i].word)
                                                       : extras.buttonTexts[i]});
    plan.commonButtons =
        extras.buttonTexts.empty() && set != kSetAbortRetryIgnore && set != kSetRetryCancel;
    const std::size_t defaultIndex = design.GetDefButton() / style::kDefButton2;
    plan.defaultButton = plan.buttons[defaultIndex < plan.buttons.size() ? defaultIndex : 0].number;
    plan.icon = design.GetIcon();
    plan.topmost = design.GetModal() == style::kSystemModal;
    if (SetHasNumber(set, kIdCancel))
        plan.escapeAnswer = kIdCancel;
    else if (buttons.size() == 1 && buttons[0].number == kIdOk)
        plan.escapeAnswer = kIdOk;
    plan.countdown = extras.countdown;
    if (timeoutSeconds)
        plan.countdown = Countdown{*timeoutSeconds, kTimedOut};
    return plan;
}

std::u16string CountdownText(std::uint32_t secondsLeft) {
    const std::uint32_t hours = secondsLeft / 3600;
    const std::uint32_t minutes = secondsLeft / 60 % 60;
    std::u16string time = hours != 0
                              ? Widened(std::to_string(hours).c_str()) + u":" + TwoDigits(minutes)
                              : Widened(std::to_string(minutes).c_str());
    return u"This box closes in " + time + u":" + TwoDigits(secondsLeft % 60) + u".";
}
