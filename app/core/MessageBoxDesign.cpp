#include "MessageBoxDesign.h"

namespace {

bool AllSet(std::uint32_t word, std::uint32_t bits) {
    return (word & bits) == bits;
}

} // namespace

std::uint32_t MessageBoxDesign::GetIcon() const {
    // The first icon whose bits are all set; Warning before the Question and Error bits it holds.
    for (std::uint32_t icon :
         {style::kIconInformation, style::kIconWarning, style::kIconQuestion, style::kIconError})
        if (AllSet(m_nStyle, icon))
            return icon;
    return 0;
}

std::uint32_t MessageBoxDesign::GetButton() const {
    // Two-bit codes before the one-bit codes they contain.
    for (std::uint32_t code : {3u, 5u, 1u, 4u, 2u})
        if (AllSet(m_nStyle, code))
            return code;
    return 0;
}

std::uint32_t MessageBoxDesign::GetDefButton() const {
    if (AllSet(m_nStyle, style::kDefButton2))
        return style::kDefButton2;
    if (AllSet(m_nStyle, style::kDefButton3))
        return style::kDefButton3;
    return 0;
}

std::uint32_t MessageBoxDesign::GetModal() const {
    return AllSet(m_nStyle, style::kSystemModal) ? style::kSystemModal : style::kTaskModal;
}

bool MessageBoxDesign::SetCaption(const std::string& caption) {
    if (caption == m_strCaption)
        return false;
    m_strCaption = caption;
    return true;
}

bool MessageBoxDesign::SetText(const std::string& text) {
    if (text == m_strText)
        return false;
    m_strText = text;
    return true;
}

bool MessageBoxDesign::SetStyle(std::uint32_t style) {
    if (style == m_nStyle)
        return false;
    m_nStyle = style;
    return true;
}

bool MessageBoxDesign::ReplaceGroup(std::uint32_t oldValue, std::uint32_t newValue) {
    if (newValue == oldValue)
        return false;
    m_nStyle = newValue | (m_nStyle & ~oldValue);
    return true;
}

bool MessageBoxDesign::SetIcon(std::uint32_t icon) {
    return ReplaceGroup(GetIcon(), icon);
}

bool MessageBoxDesign::SetButton(std::uint32_t button) {
    if (!ReplaceGroup(GetButton(), button))
        return false;
    m_extras = FitToSet(std::move(m_extras), GetButton());
    return true;
}

bool MessageBoxDesign::SetDefButton(std::uint32_t defButton) {
    return ReplaceGroup(GetDefButton(), defButton);
}

bool MessageBoxDesign::SetModal(std::uint32_t modal) {
    return ReplaceGroup(GetModal(), modal);
}

bool MessageBoxDesign::SetExtras(const BoxExtras& extras) {
    if (extras == m_extras)
        return false;
    m_extras = extras;
    return true;
}
