#pragma once
// One designed message box: caption, text and the style word handed to MessageBoxA unchanged.

#include "app/core/BoxExtras.h"

#include <cstdint>
#include <string>
#include <utility>

namespace style {
constexpr std::uint32_t kIconError = 0x10;
constexpr std::uint32_t kIconQuestion = 0x20;
constexpr std::uint32_t kIconWarning = 0x30;
constexpr std::uint32_t kIconInformation = 0x40;
constexpr std::uint32_t kDefButton2 = 0x100;
constexpr std::uint32_t kDefButton3 = 0x200;
constexpr std::uint32_t kSystemModal = 0x1000;
constexpr std::uint32_t kTaskModal = 0x2000;
// A new design: no icon, OK, first button, normal priority.
constexpr std::uint32_t kNew = kTaskModal;
} // namespace style

class MessageBoxDesign {
public:
    // A new design: empty caption and text, no icon, OK, first button, normal priority.
    MessageBoxDesign() = default;
    MessageBoxDesign(std::string caption, std::string text, std::uint32_t style)
        : m_strCaption(std::move(caption)), m_strText(std::move(text)), m_nStyle(style) {}

    const std::string& GetCaption() const { return m_strCaption; }
    const std::string& GetText() const { return m_strText; }
    std::uint32_t GetStyle() const { return m_nStyle; }

    // The value of one group of the style word. Bits outside the groups are kept as they are.
    std::uint32_t GetIcon() const;
    std::uint32_t GetButton() const;
    std::uint32_t GetDefButton() const;
    std::uint32_t GetModal() const;

    // Each setter returns true when it changed the design.
    bool SetCaption(const std::string& caption);
    bool SetText(const std::string& text);
    bool SetStyle(std::uint32_t style);
    bool SetIcon(std::uint32_t icon);
    bool SetButton(std::uint32_t button);
    bool SetDefButton(std::uint32_t defButton);
    bool SetModal(std::uint32_t modal);

    // Own button words and countdown; SetButton fits them to the new set.
    const BoxExtras& GetExtras() const { return m_extras; }
    bool SetExtras(const BoxExtras& extras);

private:
    bool ReplaceGroup(std::uint32_t oldValue, std::uint32_t newValue);

    std::string m_strCaption;
    std::string m_strText;
    std::uint32_t m_nStyle = style::kNew;
    BoxExtras m_extras;
};
