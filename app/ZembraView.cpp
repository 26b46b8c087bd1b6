#include "ZembraView.h"

#include "app/AppAccess.h"
#include "app/ButtonsDialog.h"
#include "app/Zembra.h"
#include "app/ZembraDocument.h"
#include "app/resource.h"
#include "framework/CommandTable.h"
#include "framework/FrameWnd.h"
#include "log/ProgramLog.h"
#include "support/core/ValueFormat.h"

#include <vector>

namespace {

void Log(const std::string& text) {
    GetProgramLog().Append(text);
}

const char* const kInvalidEntry = "Error:\nInvalid list box entry entered.\n";
const char* const kInvalidFileEntry = "Error:\nFile contained invalid list box entry\n";

// The tables are filled between these two lines.
CMaps LoggedMaps() {
    Log("Creating CMaps.");
    CMaps maps;
    Log("CMaps constructed.");
    return maps;
}

} // namespace

// The tables are a member, built before the constructor's body runs: the first line is written
// on the way to them.
CZembraView::CZembraView(CZembra& app)
    : CFormView(IDD_ZEMBRA_FORM), m_app(app),
      m_maps((Log("CZembraView object being created."), LoggedMaps())) {
    Log("CZembraView object created.");
}

CZembraView::~CZembraView() {
    Log("CZembraView object being destroyed.");
    Log("CZembraView object destroyed.");
}

CZembraDocument* CZembraView::GetDocument() const {
    return static_cast<CZembraDocument*>(CFormView::GetDocument());
}

BOOL CZembraView::OnInitDialog() {
    // The lists offer the tables' labels, in the tables' order.
    FillList(ID_ICON, m_maps.m_IconMap);
    FillList(ID_BUTTON, m_maps.m_ButtonMap);
    FillList(ID_DEFBUTTON, m_maps.m_DefButtonMap);
    FillList(ID_MODAL, m_maps.m_ModalMap);
    // Tab order: the default-button list comes right after the button list.
    SetWindowPos(GetDlgItem(ID_DEFBUTTON), GetDlgItem(ID_BUTTON), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CZembraView::OnInitialUpdate() {
    Log("CZembraView::OnInitialUpdate() beginning.");
    Log("Calling CFormView::OnInitialUpdate() first.");
    CFormView::OnInitialUpdate();
    // A failed lookup while the form was filled has closed the editor.
    if (GetParentFrame() == nullptr || GetParentFrame()->GetSafeHwnd() == nullptr)
        return;
    Log("CFormView::OnInitialUpdate() returned.");
    Log("Calling GetParentFrame()->RecalcLayout().");
    GetParentFrame()->RecalcLayout(TRUE);
    Log("GetParentFrame()->RecalcLayout() returned.");
    Log("Calling ResizeParentToFit().");
    ResizeParentToFit(TRUE);
    Log("ResizeParentToFit() returned.");
}

void CZembraView::DoDataExchange(CDataExchange* pDX) {
    Log("CZembraView::DoDataExchange() beginning.");
    if (!pDX->m_bSaveAndValidate) {
        Log("Loading document.");
        CZembraDocument* document = GetDocument();
        SetDlgItemText(ID_CAPTION, document->GetCaption());
        SetDlgItemText(ID_TEXT, document->GetText());

        const auto icon = LookupLabel(m_maps.m_IconMap, document->GetIcon());
        if (!icon)
            return;
        SelectByLabel(ID_ICON, *icon);
        const std::uint32_t button = document->GetButton();
        const auto buttonLabel = LookupLabel(m_maps.m_ButtonMap, button);
        if (!buttonLabel)
            return;
        SelectByLabel(ID_BUTTON, *buttonLabel);
        const auto defButton = LookupLabel(m_maps.m_DefButtonMap, document->GetDefButton());
        if (!defButton)
            return;
        SelectByLabel(ID_DEFBUTTON, *defButton);
        const auto modal = LookupLabel(m_maps.m_ModalMap, document->GetModal());
        if (!modal)
            return;
        SelectByLabel(ID_MODAL, *modal);
        if (!UpdateDefButtonList(button))
            return;
        Log("Document loaded.");
    }
    Log("Calling CFormView::DoDataExchange().");
    Log("CFormView::DoDataExchange() returned.");
    Log("CZembraView::DoDataExchange() succeeded.");
}

bool CZembraView::OnControlCommand(WORD id, WORD code) {
    static const Notification<CZembraView> kNotifications[] = {
        {ID_TEST, BN_CLICKED, &CZembraView::OnTest},
        {ID_GENERATE, BN_CLICKED, &CZembraView::OnGenerate},
        {ID_BUTTONSANDTIME, BN_CLICKED, &CZembraView::OnButtonsAndTime},
        {ID_CAPTION, EN_CHANGE, &CZembraView::OnCaptionChanged},
        {ID_TEXT, EN_CHANGE, &CZembraView::OnTextChanged},
        {ID_ICON, CBN_SELENDOK, &CZembraView::OnChangedIcon},
        {ID_BUTTON, CBN_SELENDOK, &CZembraView::OnChangedButton},
        {ID_DEFBUTTON, CBN_SELENDOK, &CZembraView::OnChangedDefButton},
        {ID_MODAL, CBN_SELENDOK, &CZembraView::OnChangedModal},
    };
    return Dispatch(*this, kNotifications, id, code);
}

std::optional<std::uint32_t> CZembraView::LookupValue(const StyleTable& table,
                                                      const std::string& label) {
    if (const auto value = table.FindValue(label))
        return value;
    Fail(MissingLabelLine(label, table), kInvalidEntry);
    return std::nullopt;
}

std::optional<std::string> CZembraView::LookupLabel(const StyleTable& table, std::uint32_t value) {
    if (auto label = table.FindLabel(value))
        return label;
    Fail(MissingValueLine(value, table), kInvalidFileEntry);
    return std::nullopt;
}

void CZembraView::Fail(const std::string& logLine, const std::string& message) {
    Log(logLine);
    GetProgramLog().ShowMessage(message, m_app.GetAppName(), MB_ICONERROR);
    GetDocument()->SetModifiedFlag(FALSE);
    // Closing destroys the form and the document: nothing of them may be touched afterwards.
    // The frame is the main window once the editor has started, and is about to become it while
    // the first document is shown.
    SendMessageA(GetParentFrame()->GetSafeHwnd(), WM_CLOSE, 0, 0);
}

bool CZembraView::UpdateDefButtonList(std::uint32_t button) {
    const auto label = LookupLabel(m_maps.m_ButtonMap, button);
    if (!label)
        return false;
    const auto numButtons = LookupValue(m_maps.m_NumButtonsMap, *label);
    if (!numButtons)
        return false;

    const std::string previous = CurrentText(ID_DEFBUTTON);
    SendDlgItemMessageA(m_hWnd, ID_DEFBUTTON, CB_RESETCONTENT, 0, 0);
    if (*numButtons < 1 || *numButtons > 3) {
        Fail("numButtons = " + IntToString(static_cast<std::int32_t>(*numButtons), 1) +
                 " for ID_DEFBUTTON list box is invalid.",
             kInvalidEntry);
        return false;
    }
    FillList(ID_DEFBUTTON, m_maps.m_DefButtonMap, *numButtons);

    CZembraDocument* document = GetDocument();
    if (!SelectByLabel(ID_DEFBUTTON, previous)) {
        SelectByLabel(ID_DEFBUTTON, m_maps.m_DefButtonMap.Entries().front().first);
        const auto defButton = LookupValue(m_maps.m_DefButtonMap, CurrentText(ID_DEFBUTTON));
        if (!defButton)
            return false;
        document->SetDefButton(*defButton);
    }
    const auto value = LookupValue(m_maps.m_ButtonMap, CurrentText(ID_BUTTON));
    if (!value)
        return false;
    document->SetButton(*value);
    return true;
}

void CZembraView::OnCaptionChanged() {
    GetDocument()->SetCaption(GetDlgItemText(ID_CAPTION));
}

void CZembraView::OnTextChanged() {
    GetDocument()->SetText(GetDlgItemText(ID_TEXT));
}

void CZembraView::OnChangedIcon() {
    Log("OnChangedIcon().");
    if (const auto icon = LookupValue(m_maps.m_IconMap, CurrentText(ID_ICON)))
        GetDocument()->SetIcon(*icon);
}

void CZembraView::OnChangedButton() {
    Log("OnChangedButton().");
    const auto button = LookupValue(m_maps.m_ButtonMap, CurrentText(ID_BUTTON));
    if (!button)
        return;
    GetDocument()->SetButton(*button);
    UpdateDefButtonList(*button);
}

void CZembraView::OnChangedDefButton() {
    Log("OnChangedDefButton().");
    if (const auto defButton = LookupValue(m_maps.m_DefButtonMap, CurrentText(ID_DEFBUTTON)))
        GetDocument()->SetDefButton(*defButton);
}

void CZembraView::OnChangedModal() {
    Log("OnChangedModal().");
    if (const auto modal = LookupValue(m_maps.m_ModalMap, CurrentText(ID_MODAL)))
        GetDocument()->SetModal(*modal);
}

void CZembraView::OnTest() {
    Log("CZembraView::OnTest() beginning.");
    const CZembraDocument* document = GetDocument();
    m_app.ShowMessageBox(document->GetDesign());
    Log("CZembraView::OnTest() ended.");
}

void CZembraView::OnGenerate() {
    Log("CZembraView::OnGenerate() beginning.");
    ShowWindow(m_app.m_hMainWnd, SW_HIDE);
    const CZembraDocument* document = GetDocument();
    m_app.ShowMessageBox(document->GetDesign());
    PostThreadMessageA(m_app.m_nThreadID, WM_QUIT, 0, 0);
    Log("CZembraView::OnGenerate() ended.");
}

void CZembraView::OnButtonsAndTime() {
    Log("CZembraView::OnButtonsAndTime() beginning.");
    CZembraDocument* document = GetDocument();
    CButtonsDialog dialog(m_app.m_hMainWnd, document->GetButton(), document->GetExtras());
    Log("Calling CButtonsDialog.DoModal().");
    if (dialog.DoModal() == IDOK)
        document->SetExtras(dialog.Extras());
    Log("CButtonsDialog.DoModal() returned.");
    Log("CZembraView::OnButtonsAndTime() ended.");
}

void CZembraView::FillList(int listId, const StyleTable& table, std::size_t count) const {
    for (std::size_t i = 0; i < count && i < table.Entries().size(); ++i)
        SendDlgItemMessageA(m_hWnd, listId, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(table.Entries()[i].first.c_str()));
}

bool CZembraView::SelectByLabel(int listId, const std::string& label) const {
    return SendDlgItemMessageA(m_hWnd, listId, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(label.c_str())) != CB_ERR;
}

std::string CZembraView::CurrentText(int listId) const {
    const HWND list = GetDlgItem(listId);
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return std::string();
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == CB_ERR)
        return std::string();
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}
