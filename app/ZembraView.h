#pragma once
// The editor form: caption, text and the four style lists of one message box, kept in the
// document on every change, with Test and Generate.

#include "app/core/StyleTables.h"
#include "framework/FormView.h"

#include <cstdint>
#include <optional>
#include <string>

class CZembra;
class CZembraDocument;

class CZembraView : public CFormView {
public:
    // Test and Generate show their box through app.
    explicit CZembraView(CZembra& app);
    ~CZembraView() override;

    void OnInitialUpdate() override;

    CZembraDocument* GetDocument() const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnControlCommand(WORD id, WORD code) override;

private:
    // The value of label in table. A missing label closes the editor (see Fail) and gives nothing.
    std::optional<std::uint32_t> LookupValue(const StyleTable& table, const std::string& label);
    // The label of value in table. A missing value closes the editor and gives nothing.
    std::optional<std::string> LookupLabel(const StyleTable& table, std::uint32_t value);
    // Logs, tells the user, drops the document's changes and closes the main window.
    void Fail(const std::string& logLine, const std::string& message);

    // Keeps the default-button list to the button count of the set; false when the editor closed.
    bool UpdateDefButtonList(std::uint32_t button);

    void OnCaptionChanged();
    void OnTextChanged();
    void OnChangedIcon();
    void OnChangedButton();
    void OnChangedDefButton();
    void OnChangedModal();
    void OnTest();
    void OnGenerate();
    void OnButtonsAndTime();

    // Adds the labels of the table's first count entries (all of them by default) to the list.
    void FillList(int listId, const StyleTable& table, std::size_t count = ~std::size_t{0}) const;
    // The first item beginning with label, ignoring case; false when there is none.
    bool SelectByLabel(int listId, const std::string& label) const;
    // The selected item's text, or empty.
    std::string CurrentText(int listId) const;

    CZembra& m_app;
    CMaps m_maps;
};
