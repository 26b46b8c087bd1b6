#include "ButtonsDialog.h"

#include "app/AppAccess.h"
#include "app/resource.h"
#include "framework/WinApp.h"
#include "log/ProgramLog.h"

#include <commctrl.h>

#include <vector>

namespace {

constexpr int kWordFields[] = {IDC_BUTTONTEXT1, IDC_BUTTONTEXT2, IDC_BUTTONTEXT3};
constexpr int kWordLabels[] = {IDC_BUTTONLABEL1, IDC_BUTTONLABEL2, IDC_BUTTONLABEL3};

void Log(const std::string& text) {
    GetProgramLog().Append(text);
}

std::wstring Widened(const char* ascii) {
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

} // namespace

CButtonsDialog::CButtonsDialog(HWND parent, std::uint32_t set, const BoxExtras& extras)
    : CDialog(IDD_BUTTONS, parent), m_set(set), m_extras(extras) {
    Log("Creating CButtonsDialog.");
    Log("CButtonsDialog created.");
}

BOOL CButtonsDialog::OnInitDialog() {
    Log("CButtonsDialog::OnInitDialog() beginning.");
    const ButtonsForm form = FormOf(m_set, m_extras);
    const std::vector<SetButton>& buttons = ButtonsOfSet(m_set);
    for (std::size_t i = 0; i < 3; ++i) {
        const HWND field = GetDlgItem(kWordFields[i]);
        const HWND label = GetDlgItem(kWordLabels[i]);
        const bool shown = i < buttons.size();
        ShowWindow(field, shown ? SW_SHOW : SW_HIDE);
        ShowWindow(label, shown ? SW_SHOW : SW_HIDE);
        if (!shown)
            continue;
        // The set's word names the field and shows in it while it is empty.
        SetDlgItemText(kWordLabels[i], std::string(buttons[i].word) + ":");
        const std::wstring hint = Widened(buttons[i].word);
        SendMessageW(field, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(hint.c_str()));
        SetDlgItemWideText(kWordFields[i], form.words[i]);
    }
    CheckDlgButton(m_hWnd, IDC_CLOSEAFTER, form.closeAfter ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_SECONDS, form.closeAfter ? form.seconds : "60");
    const HWND answers = GetDlgItem(IDC_ANSWER);
    std::vector<std::pair<std::string, std::uint32_t>> items;
    for (const SetButton& button : buttons)
        items.emplace_back(button.word, button.number);
    items.emplace_back("Timed out", kTimedOut);
    for (const auto& item : items) {
        const LRESULT index =
            SendMessageA(answers, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.first.c_str()));
        SendMessageA(answers, CB_SETITEMDATA, static_cast<WPARAM>(index), item.second);
        if (item.second == form.answer)
            SendMessageA(answers, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    OnCloseAfterClicked();
    return CDialog::OnInitDialog();
}

bool CButtonsDialog::OnCommand(WORD id, WORD code) {
    if (id == IDC_CLOSEAFTER && code == BN_CLICKED) {
        OnCloseAfterClicked();
        return true;
    }
    return CDialog::OnCommand(id, code);
}

void CButtonsDialog::OnCloseAfterClicked() {
    const BOOL enable = IsDlgButtonChecked(m_hWnd, IDC_CLOSEAFTER) == BST_CHECKED;
    EnableWindow(GetDlgItem(IDC_SECONDS), enable);
    EnableWindow(GetDlgItem(IDC_ANSWER), enable);
}

ButtonsForm CButtonsDialog::ReadFields() const {
    ButtonsForm form;
    form.set = m_set;
    for (std::size_t i = 0; i < ButtonsOfSet(m_set).size(); ++i)
        form.words.push_back(GetDlgItemWideText(kWordFields[i]));
    form.closeAfter = IsDlgButtonChecked(m_hWnd, IDC_CLOSEAFTER) == BST_CHECKED;
    form.seconds = GetDlgItemText(IDC_SECONDS);
    const HWND answers = GetDlgItem(IDC_ANSWER);
    const LRESULT selected = SendMessageA(answers, CB_GETCURSEL, 0, 0);
    form.answer = selected == CB_ERR
                      ? kTimedOut
                      : static_cast<std::uint32_t>(SendMessageA(answers, CB_GETITEMDATA,
                                                                static_cast<WPARAM>(selected), 0));
    return form;
}

void CButtonsDialog::OnOK() {
    const ButtonsFormRead read = ReadButtonsForm(ReadFields(), m_extras);
    if (!read.sound) {
        GetProgramLog().ShowMessage(read.problem, AfxGetAppName(), MB_ICONWARNING);
        const int field = read.fieldInError >= 0 ? kWordFields[read.fieldInError] : IDC_SECONDS;
        SetFocus(GetDlgItem(field));
        return;
    }
    m_extras = read.extras;
    CDialog::OnOK();
}
