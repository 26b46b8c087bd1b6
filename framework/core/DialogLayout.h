#pragma once
// What a dialog template lays out, in dialog units: the dialog's size, its font and each
// control's place, read from the template's bytes (the classic DIALOG form or the extended
// DIALOGEX one). The dialog's font decides what a dialog unit measures.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A rectangle as a template gives it: position and size in dialog units.
struct DialogUnits {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct DialogLayoutItem {
    // The control's id: its low 16 bits are what the control's window carries.
    std::uint32_t id = 0;
    DialogUnits units;
};

struct DialogLayout {
    DialogUnits units;
    // Empty when the template names no font (DS_SETFONT not set).
    std::u16string fontFace;
    int fontPoints = 0;
    // In template order.
    std::vector<DialogLayoutItem> items;
};

// The layout of the template in data; nothing when it is cut short.
std::optional<DialogLayout> ReadDialogLayout(const unsigned char* data, std::size_t size);
