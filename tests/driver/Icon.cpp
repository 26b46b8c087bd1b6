// Recognising a message box's icon. The icon handle belongs to the other process and means nothing
// here, so the icon is recognised the way a person does: by the pixels the box shows, compared
// with each system icon drawn here on the dialog's background at the same size.

#include "tests/driver/Box.h"
#include "tests/driver/Control.h"
#include "tests/driver/Handles.h"
#include "tests/driver/Messages.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Screenshot.h"

#include <cstdlib>
#include <vector>

namespace testdriver {

namespace {

constexpr int kIconControlId = 0x0440;
constexpr milliseconds kRetryInterval(50);
// How far a pixel may stray per colour channel, and how many pixels may stray, before a picture
// no longer counts as the icon: room for rounding in scaling or blending, never for another icon.
constexpr int kChannelTolerance = 16;
constexpr int kStrayPixelsPerHundred = 1;

using Pixels = std::vector<DWORD>;

// The system icon drawn as a static control draws it, on the dialog's face colour.
std::optional<Pixels> DrawSystemIcon(LPCSTR name, int width, int height) {
    HICON icon = LoadIconA(nullptr, name);
    MemoryDC memory;
    DibSection dib(width, height);
    if (!icon || !memory || !dib)
        return std::nullopt;
    SelectedObject selected(memory.Get(), dib.Get());
    if (!selected)
        return std::nullopt;
    const RECT all{0, 0, width, height};
    FillRect(memory.Get(), &all, GetSysColorBrush(COLOR_3DFACE));
    if (!DrawIconEx(memory.Get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL))
        return std::nullopt;
    return dib.Pixels();
}

bool ChannelsClose(DWORD a, DWORD b) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > kChannelTolerance)
            return false;
    }
    return true;
}

std::size_t StrayPixels(const Pixels& seen, const Pixels& expected) {
    std::size_t stray = 0;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        if (!ChannelsClose(seen[i], expected[i]))
            ++stray;
    }
    return stray;
}

struct Candidate {
    BoxIcon icon;
    LPCSTR name;
};

const Candidate kCandidates[] = {
    {BoxIcon::Error, IDI_HAND},
    {BoxIcon::Question, IDI_QUESTION},
    {BoxIcon::Warning, IDI_EXCLAMATION},
    {BoxIcon::Information, IDI_ASTERISK},
};

// The system icon the pixels show, or Unknown when they show none of them (yet).
BoxIcon Recognise(const Pixels& seen, int width, int height) {
    const std::size_t allowed = seen.size() * kStrayPixelsPerHundred / 100;
    BoxIcon best = BoxIcon::Unknown;
    std::size_t bestStray = seen.size() + 1;
    for (const auto& candidate : kCandidates) {
        const auto expected = DrawSystemIcon(candidate.name, width, height);
        if (!expected)
            continue;
        const std::size_t stray = StrayPixels(seen, *expected);
        if (stray <= allowed && stray < bestStray) {
            best = candidate.icon;
            bestStray = stray;
        }
    }
    return best;
}

} // namespace

BoxIcon ReadBoxIcon(HWND box, milliseconds limit) {
    HWND control = GetDlgItem(box, kIconControlId);
    if (!control || !IsWindowVisible(control))
        return BoxIcon::None;
    const auto handle = Ask(control, STM_GETICON);
    if (!handle)
        return BoxIcon::Unknown;
    if (*handle == 0)
        return BoxIcon::None;
    return ReadIconControl(control, limit);
}

BoxIcon ReadIconControl(HWND control, milliseconds limit) {
    // The window may not have painted its icon yet: look again until the limit.
    BoxIcon icon = BoxIcon::Unknown;
    WaitUntil(
        [&] {
            if (!IsWindow(control))
                return true;
            const RECT rect = ClientRectOnScreen(control);
            const int width = rect.right - rect.left;
            const int height = rect.bottom - rect.top;
            if (width > 0 && height > 0) {
                if (const auto seen = ScreenPixels(rect))
                    icon = Recognise(*seen, width, height);
            }
            return icon != BoxIcon::Unknown;
        },
        limit, kRetryInterval);
    return icon;
}

} // namespace testdriver
