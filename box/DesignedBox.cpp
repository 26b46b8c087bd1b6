#include "DesignedBox.h"

#include "box/StandardBox.h"
#include "box/TaskDialogBox.h"
#include "box/core/BoxPlan.h"
#include "framework/CodePage.h"

int ShowDesignedBox(HWND owner, const MessageBoxDesign& design,
                    std::optional<std::uint32_t> timeoutSeconds, unsigned long& error) {
    const std::wstring caption = ToWide(CP_ACP, design.GetCaption());
    const std::wstring text = ToWide(CP_ACP, design.GetText());
    const BoxPlan plan = PlanBox(design, timeoutSeconds);
    if (plan.taskDialog && HasTaskDialog())
        return ShowTaskDialogBox(owner, caption, text, plan, error);
    return ShowStandardBox(owner, caption, text, design.GetStyle(), timeoutSeconds, error);
}
