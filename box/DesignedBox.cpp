#include "DesignedBox.h"

#include "box/StandardBox.h"
#include "box/TaskDialogBox.h"
#include "box/core/BoxPlan.h"

int ShowDesignedBox(HWND owner, const MessageBoxDesign& design,
                    std::optional<std::uint32_t> timeoutSeconds, unsigned long& error) {
    const BoxPlan plan = PlanBox(design, timeoutSeconds);
    if (plan.taskDialog && HasTaskDialog())
        return ShowTaskDialogBox(owner, design.GetCaption(), design.GetText(), plan, error);
    return ShowStandardBox(owner, design.GetCaption(), design.GetText(), design.GetStyle(),
                           timeoutSeconds, error);
}
