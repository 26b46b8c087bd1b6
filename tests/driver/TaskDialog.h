#pragma once
// Reading and answering a task dialog of one started program, as a person sees it. Under Wine its
// parts are child windows: statics with id 0 for the icon (SS_ICON), the content and the footer,
// and push buttons whose ids are what pressing them answers. On Windows they are drawn by the
// dialog itself and cannot be read from outside, so these tests are Wine's.

#include "tests/driver/Box.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testdriver {

struct TaskDialogContents {
    std::string title;
    std::string content;
    std::string footer;             // empty when the dialog has none
    std::vector<BoxButton> buttons; // left to right
    std::optional<int> defaultButton;
    BoxIcon icon = BoxIcon::None;
    bool topmost = false;

    std::vector<std::string> ButtonTexts() const { return ButtonTextsOf(buttons); }
    std::vector<int> ButtonIds() const { return ButtonIdsOf(buttons); }
};

// True for a "#32770" whose controls are only statics with id 0 and push buttons, at least one.
bool IsTaskDialog(HWND window);
// The first visible task dialog of the process within limit; nullptr when none appears in time.
HWND WaitForTaskDialog(const Process& process, milliseconds limit);
// What the dialog shows; nothing when it is no task dialog or went away while read.
std::optional<TaskDialogContents> ReadTaskDialog(HWND dialog,
                                                 milliseconds iconLimit = milliseconds(3000));
// The footer's text once it differs from previous within limit; nothing otherwise.
std::optional<std::string> WaitForFooterChange(HWND dialog, const std::string& previous,
                                               milliseconds limit);

} // namespace testdriver
