#include "tests/driver/Control.h"

#include "tests/driver/Handles.h"
#include "tests/driver/Messages.h"
#include "tests/driver/RemoteMemory.h"
#include "tests/driver/SystemText.h"
#include "tests/driver/Window.h"

#include <commctrl.h>

#include <set>

namespace testdriver {

namespace {

// The font a dialog template names, created at its size for a display of dpi (0: this screen).
FontHandle DialogFont(const std::string& face, int points, int dpi) {
    if (dpi == 0) {
        const ScreenDC screen;
        dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    }
    const int height = -MulDiv(points, dpi, 72);
    return FontHandle(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

// The dialog units u that map to pixels p (p == MulDiv(u, base, perBase)); nothing when none do.
std::optional<LONG> ToUnits(LONG pixels, int base, int perBase) {
    const LONG guess = MulDiv(pixels, perBase, base);
    for (LONG units = guess - 1; units <= guess + 1; ++units) {
        if (MulDiv(units, base, perBase) == pixels)
            return units;
    }
    return std::nullopt;
}

// Horizontal left and right, vertical top and bottom in dialog units; nothing when one has none.
std::optional<RECT> ToUnits(const RECT& pixels, DialogBaseUnits base) {
    if (base.x <= 0 || base.y <= 0)
        return std::nullopt;
    const auto left = ToUnits(pixels.left, base.x, 4);
    const auto top = ToUnits(pixels.top, base.y, 8);
    const auto right = ToUnits(pixels.right, base.x, 4);
    const auto bottom = ToUnits(pixels.bottom, base.y, 8);
    if (!left || !top || !right || !bottom)
        return std::nullopt;
    return RECT{*left, *top, *right, *bottom};
}

} // namespace

HWND FindControl(HWND window, int id, const std::string& className) {
    for (HWND control : Descendants(window)) {
        if (GetDlgCtrlID(control) == id && (className.empty() || ClassOf(control) == className))
            return control;
    }
    return nullptr;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> all;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        all.push_back(child);
    // Level by level: each window's children are appended after every window of its own level.
    for (std::size_t next = 0; next < all.size(); ++next) {
        for (HWND child = GetWindow(all[next], GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            all.push_back(child);
    }
    return all;
}

bool IsEnabled(HWND control) {
    return IsWindowEnabled(control) != FALSE;
}

bool IsShown(HWND control) {
    return IsWindowVisible(control) != FALSE;
}

std::optional<int> CheckState(HWND control) {
    const auto state = Ask(control, BM_GETCHECK);
    if (!state)
        return std::nullopt;
    return static_cast<int>(*state);
}

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
}

DWORD ExStyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT RectInParent(HWND control) {
    RECT rect = ScreenRect(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND FindIconControl(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Static" && (StyleOf(child) & SS_TYPEMASK) == SS_ICON)
            return child;
    }
    return nullptr;
}

int IconSideAt(int dpi) {
    return MulDiv(32, dpi, USER_DEFAULT_SCREEN_DPI);
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string ChildrenOutside(HWND window, HWND outer) {
    const RECT area = ClientRectOnScreen(outer);
    std::string outside;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = ScreenRect(child);
        if (r.left < area.left || r.top < area.top || r.right > area.right ||
            r.bottom > area.bottom)
            outside += ClassOf(child) + " " + std::to_string(GetDlgCtrlID(child)) + " \"" +
                       WindowText(child) + "\" at " + std::to_string(r.left) + "," +
                       std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                       std::to_string(r.bottom) + "\n";
    }
    return outside;
}

DialogBaseUnits BaseUnitsOf(const std::string& face, int points, int dpi) {
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const FontHandle font = DialogFont(face, points, dpi);
    MemoryDC memory;
    if (!font.Get() || !memory)
        return {};
    SelectedObject selected(memory.Get(), font.Get());
    SIZE size{};
    TEXTMETRICA metrics{};
    if (!selected || !GetTextExtentPoint32A(memory.Get(), kAlphabet, 52, &size) ||
        !GetTextMetricsA(memory.Get(), &metrics))
        return {};
    return {static_cast<int>((size.cx / 26 + 1) / 2), static_cast<int>(metrics.tmHeight)};
}

std::optional<RECT> PixelsToDialogUnits(const RECT& pixels, DialogBaseUnits base) {
    return ToUnits(pixels, base);
}

RECT ControlUnitsToPixels(const RECT& units, DialogBaseUnits base) {
    const LONG left = MulDiv(units.left, base.x, 4);
    const LONG top = MulDiv(units.top, base.y, 8);
    return {left, top, left + MulDiv(units.right - units.left, base.x, 4),
            top + MulDiv(units.bottom - units.top, base.y, 8)};
}

std::optional<RECT> ControlPixelsToUnits(const RECT& pixels, DialogBaseUnits base) {
    // The size is mapped on its own: right and bottom carry the width and the height.
    auto units = ToUnits(
        {pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top}, base);
    if (units) {
        units->right += units->left;
        units->bottom += units->top;
    }
    return units;
}

std::optional<RECT> DialogUnitRect(HWND control, DialogBaseUnits base) {
    if (!IsWindow(control))
        return std::nullopt;
    return ControlPixelsToUnits(RectInParent(control), base);
}

std::optional<std::vector<std::string>> ComboItems(HWND combo) {
    const auto count = Ask(combo, CB_GETCOUNT);
    if (!count || *count < 0)
        return std::nullopt;
    std::vector<std::string> items;
    for (LRESULT i = 0; i < *count; ++i) {
        // Asked in UTF-16: across processes the system hands back an ANSI request's item text
        // in UTF-16 all the same, cut to the ANSI length.
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0,
                                 SMTO_ABORTIFHUNG, kMessageLimitMs, &length) ||
            static_cast<LRESULT>(length) < 0)
            return std::nullopt;
        std::vector<WCHAR> buffer(length + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                                 kMessageLimitMs, &copied) ||
            static_cast<LRESULT>(copied) < 0 || copied > length)
            return std::nullopt;
        items.push_back(AnsiText(buffer.data(), static_cast<int>(copied)));
    }
    return items;
}

std::optional<std::string> ComboSelection(HWND combo) {
    const auto selected = Ask(combo, CB_GETCURSEL);
    if (!selected || *selected < 0)
        return std::nullopt;
    const auto items = ComboItems(combo);
    if (!items || static_cast<std::size_t>(*selected) >= items->size())
        return std::nullopt;
    return (*items)[static_cast<std::size_t>(*selected)];
}

std::optional<std::string> TreeSelection(HWND tree) {
    const auto item = Ask(tree, TVM_GETNEXTITEM, TVGN_CARET);
    if (!item || *item == 0)
        return std::nullopt;
    // The item and its text are handed over by address: they live in the tree's own process.
    DWORD pid = 0;
    GetWindowThreadProcessId(tree, &pid);
    const OwnedHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!process)
        return std::nullopt;
    constexpr int kCapacity = MAX_PATH;
    const RemoteMemory remote(process.Get(), sizeof(TVITEMW) + kCapacity * sizeof(WCHAR));
    TVITEMW asked{};
    asked.mask = TVIF_TEXT;
    asked.hItem = reinterpret_cast<HTREEITEM>(*item);
    asked.pszText = reinterpret_cast<LPWSTR>(remote.Get() + sizeof(TVITEMW));
    asked.cchTextMax = kCapacity;
    if (!remote || !remote.Write(0, &asked, sizeof asked))
        return std::nullopt;
    const auto answered = Ask(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.Get()));
    WCHAR text[kCapacity] = L"";
    if (!answered || !*answered || !remote.Read(sizeof(TVITEMW), text, sizeof text))
        return std::nullopt;
    text[kCapacity - 1] = L'\0';
    return AnsiText(text, -1);
}

HWND FocusedControl(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

std::vector<HWND> TabOrder(HWND dialog) {
    std::vector<HWND> order;
    std::set<HWND> seen;
    for (HWND item = GetNextDlgTabItem(dialog, nullptr, FALSE); item && seen.insert(item).second;
         item = GetNextDlgTabItem(dialog, item, FALSE))
        order.push_back(item);
    return order;
}

} // namespace testdriver
