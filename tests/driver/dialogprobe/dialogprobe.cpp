// dialogprobe: a frame with a menu, an accelerator and a form inside it, a dialog with an edit, a
// combo box, a check box and buttons, a note with one label and an OK button (shaped like a
// message box, but not one), and the system's open and save dialogs. It shows what it
// receives, so that the test driver's own tests can see their input arrive:
// - the dialog's name box has a tip, "Probe tip";
// - the dialog's events line lists the notifications it got ("change;", "selendok;",
//   "selchange;", "check;");
// - the frame's caption tells how the last dialog ended: "Probe Frame - OK name=<edit>
//   choice=<combo> checked=<0|1>", "Probe Frame - Cancel", "Probe Frame - file <path>",
//   "Probe Frame - no file" or "Probe Frame - nested".
// Exits with 0 when its frame is closed.

#include "tests/driver/dialogprobe/resource.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <string>

namespace {

const char kFrameClass[] = "ZembraProbeFrame";
const char kFrameCaption[] = "Probe Frame";

std::string TextOfItem(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

void SetCaption(HWND frame, const std::string& outcome) {
    SetWindowTextA(frame, (std::string(kFrameCaption) + " - " + outcome).c_str());
}

// A tip over the dialog's name box, shown when the mouse rests on it.
void AddTip(HWND dialog) {
    HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               dialog, nullptr, GetModuleHandleA(nullptr), nullptr);
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, IDC_PROBE_NAME));
    tool.lpszText = const_cast<char*>("Probe tip");
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void AddEvent(HWND dialog, const char* event) {
    SetDlgItemTextA(dialog, IDC_PROBE_EVENTS,
                    (TextOfItem(dialog, IDC_PROBE_EVENTS) + event).c_str());
}

INT_PTR CALLBACK ProbeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        HWND choice = GetDlgItem(dialog, IDC_PROBE_CHOICE);
        if (!choice)
            return TRUE;
        for (const char* item : {"Alpha", "Beta", "Gamma"})
            SendMessageA(choice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageA(choice, CB_SETCURSEL, 0, 0);
        AddTip(dialog);
        return TRUE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDC_PROBE_NAME && code == EN_CHANGE)
            AddEvent(dialog, "change;");
        else if (id == IDC_PROBE_CHOICE && code == CBN_SELENDOK)
            AddEvent(dialog, "selendok;");
        else if (id == IDC_PROBE_CHOICE && code == CBN_SELCHANGE)
            AddEvent(dialog, "selchange;");
        else if (id == IDC_PROBE_CHECK && code == BN_CLICKED)
            AddEvent(dialog, "check;");
        else if (id == IDOK) {
            const bool checked = IsDlgButtonChecked(dialog, IDC_PROBE_CHECK) == BST_CHECKED;
            SetCaption(GetParent(dialog), "OK name=" + TextOfItem(dialog, IDC_PROBE_NAME) +
                                              " choice=" + TextOfItem(dialog, IDC_PROBE_CHOICE) +
                                              " checked=" + (checked ? "1" : "0"));
            EndDialog(dialog, IDOK);
        } else if (id == IDCANCEL) {
            SetCaption(GetParent(dialog), "Cancel");
            EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    }
    }
    return FALSE;
}

INT_PTR CALLBACK ProbeFormProc(HWND form, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return FALSE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_PROBE_FORM_BUTTON) {
        SetCaption(GetParent(form), "nested");
        return TRUE;
    }
    return FALSE;
}

void ChooseFile(HWND frame, bool save) {
    char path[MAX_PATH] = "";
    OPENFILENAMEA open{};
    open.lStructSize = sizeof(open);
    open.hwndOwner = frame;
    open.lpstrFilter = "Probe Files (*.prb)\0*.prb\0";
    open.lpstrFile = path;
    open.nMaxFile = MAX_PATH;
    open.lpstrDefExt = "prb";
    open.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameA(&open) : GetOpenFileNameA(&open);
    SetCaption(frame, chosen ? std::string("file ") + path : std::string("no file"));
}

HWND g_form = nullptr;

LRESULT CALLBACK ProbeFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        g_form = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROBE_FORM),
                                    frame, ProbeFormProc, 0);
        return g_form ? 0 : -1;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case ID_PROBE_DIALOG:
            DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROBE_DIALOG), frame,
                            ProbeDialogProc, 0);
            return 0;
        case ID_PROBE_NOTE:
            DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROBE_NOTE), frame,
                            ProbeDialogProc, 0);
            return 0;
        case ID_PROBE_OPEN:
            ChooseFile(frame, false);
            return 0;
        case ID_PROBE_SAVE:
            ChooseFile(frame, true);
            return 0;
        case ID_PROBE_EXIT:
            DestroyWindow(frame);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(frame, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA frameClass{};
    frameClass.lpfnWndProc = ProbeFrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    frameClass.lpszMenuName = MAKEINTRESOURCEA(IDR_PROBE_FRAME);
    frameClass.lpszClassName = kFrameClass;
    if (!RegisterClassA(&frameClass))
        return 1;
    HWND frame = CreateWindowA(kFrameClass, kFrameCaption, WS_OVERLAPPEDWINDOW, 40, 40, 420, 240,
                               nullptr, nullptr, instance, nullptr);
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_PROBE_FRAME));
    if (!frame || !accelerators)
        return 1;
    ShowWindow(frame, show);
    UpdateWindow(frame);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(frame, accelerators, &message) ||
            IsDialogMessageA(g_form, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyAcceleratorTable(accelerators);
    return static_cast<int>(message.wParam);
}
