#pragma once
// "Buttons and time": own words for the buttons of the design's set and a countdown with its
// answer. A data object: the design's extras in, the fields filled, OK writes them back once
// every button has its word or none has, and the countdown is in range; Cancel leaves them.

#include "app/core/ButtonsForm.h"
#include "framework/Dialog.h"

class CButtonsDialog : public CDialog {
public:
    CButtonsDialog(HWND parent, std::uint32_t set, const BoxExtras& extras);

    // The extras the user confirmed with OK.
    const BoxExtras& Extras() const { return m_extras; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WORD id, WORD code) override;

private:
    void OnCloseAfterClicked();
    ButtonsForm ReadFields() const;

    std::uint32_t m_set;
    BoxExtras m_extras;
};
