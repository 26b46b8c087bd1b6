#include "TaskDialogBox.h"

#include "framework/Dpi.h"
#include "framework/Guard.h"
#include "framework/SystemLibrary.h"
#include "framework/WideText.h"

#include <commctrl.h>

#include <vector>

namespace {

using TaskDialogFunction = HRESULT WINAPI(const TASKDIALOGCONFIG*, int*, int*, BOOL*);
using ScaledIconFunction = HRESULT WINAPI(HINSTANCE, PCWSTR, int, int, HICON*);

TaskDialogFunction* TaskDialogEntry() {
    static const auto entry = CommonControlsFunction<TaskDialogFunction>("TaskDialogIndirect");
    return entry;
}

// The system's icon of the style word's icon group, at the size icons have at dpi.
IconHandle SystemIcon(std::uint32_t icon, UINT dpi) {
    LPCWSTR name = nullptr;
    switch (icon) {
    case 0x10:
        name = MAKEINTRESOURCEW(32513); // IDI_HAND
        break;
    case 0x20:
        name = MAKEINTRESOURCEW(32514); // IDI_QUESTION
        break;
    case 0x30:
        name = MAKEINTRESOURCEW(32515); // IDI_EXCLAMATION
        break;
    case 0x40:
        name = MAKEINTRESOURCEW(32516); // IDI_ASTERISK
        break;
    default:
        return IconHandle();
    }
    const auto scaled = CommonControlsFunction<ScaledIconFunction>("LoadIconWithScaleDown");
    const int size = SystemMetricForDpi(SM_CXICON, dpi);
    HICON handle = nullptr;
    if (scaled == nullptr || FAILED(scaled(nullptr, name, size, size, &handle)))
        handle = CopyIcon(LoadIconW(nullptr, name));
    return IconHandle(handle);
}

// Line breaks as the task dialog draws them: a line feed each.
std::wstring WithLineFeeds(const std::wstring& text) {
    std::wstring result;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n'))
            result += text[i];
    return result;
}

// The dialog's state while it is shown: the countdown's last second and how the box ends.
class TaskDialogRun {
public:
    explicit TaskDialogRun(const BoxPlan& plan) : m_plan(plan) {}
    TaskDialogRun(const TaskDialogRun&) = delete;
    TaskDialogRun& operator=(const TaskDialogRun&) = delete;

    static HRESULT CALLBACK Callback(HWND window, UINT notification, WPARAM wParam, LPARAM,
                                     LONG_PTR data) noexcept {
        auto* run = reinterpret_cast<TaskDialogRun*>(data);
        return Guarded("TaskDialogRun::Callback", S_OK,
                       [&] { return run->OnNotify(window, notification, wParam); });
    }

    // The box's answer once TaskDialogIndirect has returned pressed.
    int Answer(int pressed) const {
        if (m_timedOut)
            return static_cast<int>(m_plan.countdown->answer);
        if (pressed == IDCANCEL && m_plan.escapeAnswer)
            return static_cast<int>(*m_plan.escapeAnswer);
        return pressed;
    }

private:
    HRESULT OnNotify(HWND window, UINT notification, WPARAM wParam) {
        switch (notification) {
        case TDN_CREATED:
            if (m_plan.topmost)
                SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            MessageBeep(m_plan.icon);
            break;
        case TDN_BUTTON_CLICKED:
            // Esc and the close box answer only where the standard box lets them.
            if (!m_timedOut && wParam == IDCANCEL && !m_plan.escapeAnswer)
                return S_FALSE;
            break;
        case TDN_TIMER:
            OnTimer(window, static_cast<DWORD>(wParam));
            break;
        default:
            break;
        }
        return S_OK;
    }

    void OnTimer(HWND window, DWORD elapsedMilliseconds) {
        if (!m_plan.countdown || m_timedOut)
            return;
        const std::uint64_t total = std::uint64_t{m_plan.countdown->seconds} * 1000;
        if (elapsedMilliseconds >= total) {
            m_timedOut = true;
            // Any button ends the dialog; Answer gives the countdown's answer.
            SendMessageW(window, TDM_CLICK_BUTTON, m_plan.buttons.front().number, 0);
            return;
        }
        // Whole seconds left, rounded up: the text shows 4:59 a moment after 5:00.
        const auto left = static_cast<std::uint32_t>((total - elapsedMilliseconds + 999) / 1000);
        if (left == m_shownSeconds)
            return;
        m_shownSeconds = left;
        m_footer = ToWString(CountdownText(left));
        SendMessageW(window, TDM_UPDATE_ELEMENT_TEXT, TDE_FOOTER,
                     reinterpret_cast<LPARAM>(m_footer.c_str()));
    }

    const BoxPlan& m_plan;
    bool m_timedOut = false;
    std::uint32_t m_shownSeconds = 0;
    std::wstring m_footer;
};

} // namespace

bool HasTaskDialog() {
    return TaskDialogEntry() != nullptr;
}

int ShowTaskDialogBox(HWND owner, const std::u16string& caption, const std::u16string& text,
                      const BoxPlan& plan, unsigned long& error) {
    TaskDialogFunction* const taskDialog = TaskDialogEntry();
    if (taskDialog == nullptr) {
        error = ERROR_PROC_NOT_FOUND;
        return 0;
    }
    std::vector<std::wstring> words;
    std::vector<TASKDIALOG_BUTTON> buttons;
    TASKDIALOG_COMMON_BUTTON_FLAGS common = 0;
    for (const PlannedButton& button : plan.buttons)
        words.push_back(ToWString(button.text));
    for (std::size_t i = 0; i < plan.buttons.size(); ++i) {
        if (!plan.commonButtons) {
            buttons.push_back({static_cast<int>(plan.buttons[i].number), words[i].c_str()});
            continue;
        }
        switch (plan.buttons[i].number) {
        case IDOK:
            common |= TDCBF_OK_BUTTON;
            break;
        case IDCANCEL:
            common |= TDCBF_CANCEL_BUTTON;
            break;
        case IDRETRY:
            common |= TDCBF_RETRY_BUTTON;
            break;
        case IDYES:
            common |= TDCBF_YES_BUTTON;
            break;
        case IDNO:
            common |= TDCBF_NO_BUTTON;
            break;
        default:
            break;
        }
    }
    const std::wstring content = WithLineFeeds(ToWString(text));
    const IconHandle icon = SystemIcon(plan.icon, DpiOf(owner));
    std::wstring footer;
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    config.dwFlags = TDF_SIZE_TO_CONTENT;
    config.pszWindowTitle = AsWide(caption);
    config.pszContent = content.c_str();
    config.dwCommonButtons = common;
    config.cButtons = static_cast<UINT>(buttons.size());
    config.pButtons = buttons.empty() ? nullptr : buttons.data();
    config.nDefaultButton = static_cast<int>(plan.defaultButton);
    if (icon) {
        config.dwFlags |= TDF_USE_HICON_MAIN;
        config.hMainIcon = icon.Get();
    }
    if (plan.escapeAnswer)
        config.dwFlags |= TDF_ALLOW_DIALOG_CANCELLATION;
    if (plan.countdown) {
        config.dwFlags |= TDF_CALLBACK_TIMER;
        footer = ToWString(CountdownText(plan.countdown->seconds));
        config.pszFooter = footer.c_str();
    }
    TaskDialogRun run(plan);
    config.pfCallback = &TaskDialogRun::Callback;
    config.lpCallbackData = reinterpret_cast<LONG_PTR>(&run);
    int pressed = 0;
    const HRESULT result = taskDialog(&config, &pressed, nullptr, nullptr);
    if (FAILED(result)) {
        error = static_cast<unsigned long>(result);
        return 0;
    }
    error = 0;
    return run.Answer(pressed);
}
