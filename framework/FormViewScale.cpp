// The form laid out again for another DPI, from its template in dialog units.

#include "FormView.h"

#include "framework/ResourceBytes.h"
#include "framework/core/Archive.h"
#include "framework/core/DialogLayout.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace {

std::optional<DialogLayout> TemplateLayout(UINT templateId) {
    const ResourceBytes resource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(templateId));
    if (!resource)
        return std::nullopt;
    return ReadDialogLayout(resource.GetData(), resource.GetSize());
}

// What 4 horizontal and 8 vertical dialog units of the font measure in pixels, as the system
// measures a dialog's font: the average width of the letters, and the font's height.
SIZE BaseUnitsOf(HFONT font) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const MemoryDC dc;
    if (!dc)
        return {};
    const HGDIOBJ previous = SelectObject(dc.Get(), font);
    SIZE letters{};
    TEXTMETRICA metrics{};
    const bool measured = GetTextExtentPoint32A(dc.Get(), kLetters, 52, &letters) &&
                          GetTextMetricsA(dc.Get(), &metrics);
    SelectObject(dc.Get(), previous);
    if (!measured)
        return {};
    return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

// Dialog units to pixels: position and size each on their own, as the system places a
// template's controls.
RECT ToPixels(const DialogUnits& units, SIZE base) {
    const LONG x = MulDiv(units.x, base.cx, 4);
    const LONG y = MulDiv(units.y, base.cy, 8);
    return {x, y, x + MulDiv(units.cx, base.cx, 4), y + MulDiv(units.cy, base.cy, 8)};
}

// The form's controls matched to the template's items: the n-th item with an id is the n-th
// control with that id in the form's order (unnamed controls share one id).
std::vector<HWND> ControlsInTemplateOrder(HWND form, const DialogLayout& layout) {
    std::map<WORD, std::vector<HWND>> byId;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        byId[LOWORD(GetDlgCtrlID(child))].push_back(child);
    std::map<WORD, std::size_t> used;
    std::vector<HWND> controls;
    for (const DialogLayoutItem& item : layout.items) {
        const WORD id = LOWORD(item.id);
        const std::vector<HWND>& candidates = byId[id];
        const std::size_t next = used[id]++;
        controls.push_back(next < candidates.size() ? candidates[next] : nullptr);
    }
    return controls;
}

} // namespace

void CFormView::ScaleToDpi(UINT dpi) {
    const std::optional<DialogLayout> layout = TemplateLayout(m_nIDTemplate);
    if (!layout || layout->fontFace.empty() || dpi == 0)
        return;
    FontHandle font(CreateFontA(-MulDiv(layout->fontPoints, static_cast<int>(dpi), 72), 0, 0, 0,
                                FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                WideToAnsi(layout->fontFace).c_str()));
    const SIZE base = font ? BaseUnitsOf(font.Get()) : SIZE{};
    if (base.cx <= 0 || base.cy <= 0)
        return;

    // The same part of the form stays in view.
    const RECT whole = ToPixels(layout->units, base);
    const SIZE total = {whole.right - whole.left, whole.bottom - whole.top};
    m_ptScroll = {MulDiv(m_ptScroll.x, total.cx, std::max(1L, m_sizeTotal.cx)),
                  MulDiv(m_ptScroll.y, total.cy, std::max(1L, m_sizeTotal.cy))};
    m_sizeTotal = total;

    const std::vector<HWND> controls = ControlsInTemplateOrder(m_hWnd, *layout);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i] == nullptr)
            continue;
        // The font first: a drop-down list sizes its field by its font, and its list by the height
        // it is given.
        SendMessageA(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
        const RECT rect = ToPixels(layout->items[i].units, base);
        SetWindowPos(controls[i], nullptr, rect.left - m_ptScroll.x, rect.top - m_ptScroll.y,
                     rect.right - rect.left, rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The controls now use the new font; the one they used before, if it was ours, goes.
    m_font = std::move(font);
    m_nWheelRest[0] = m_nWheelRest[1] = 0;
    UpdateScrollBars();
    InvalidateRect(m_hWnd, nullptr, TRUE);
}
