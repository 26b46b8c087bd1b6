#pragma once
// The editor's document: one designed message box, read and written in the .zembra format.
// Every change goes through a setter, which marks the document modified only when it changes it.

#include "app/core/MessageBoxDesign.h"
#include "framework/Document.h"

#include <cstdint>
#include <string>

class CZembraDocument : public CDocument {
public:
    CZembraDocument();
    ~CZembraDocument() override;

    void Serialize(CArchive& ar) override;
    BOOL IsModified() override;
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    BOOL OnNewDocument() override;
    // Save and Save As: a file dialog starts in the user's documents folder.
    void OnFileSave() override;
    void OnFileSaveAs() override;

    std::string GetCaption() const { return m_design.GetCaption(); }
    std::string GetText() const { return m_design.GetText(); }
    std::uint32_t GetStyle() const { return m_design.GetStyle(); }
    std::uint32_t GetIcon() const { return m_design.GetIcon(); }
    std::uint32_t GetButton() const { return m_design.GetButton(); }
    std::uint32_t GetDefButton() const { return m_design.GetDefButton(); }
    std::uint32_t GetModal() const { return m_design.GetModal(); }
    const BoxExtras& GetExtras() const { return m_design.GetExtras(); }
    const MessageBoxDesign& GetDesign() const { return m_design; }

    void SetCaption(const std::string& caption) { Changed(m_design.SetCaption(caption)); }
    void SetText(const std::string& text) { Changed(m_design.SetText(text)); }
    void SetIcon(std::uint32_t icon) { Changed(m_design.SetIcon(icon)); }
    void SetButton(std::uint32_t button) { Changed(m_design.SetButton(button)); }
    void SetDefButton(std::uint32_t defButton) { Changed(m_design.SetDefButton(defButton)); }
    void SetModal(std::uint32_t modal) { Changed(m_design.SetModal(modal)); }
    void SetExtras(const BoxExtras& extras) { Changed(m_design.SetExtras(extras)); }

private:
    void Changed(bool changed) {
        if (changed)
            SetModifiedFlag(TRUE);
    }
    void Load(CArchive& ar);

    MessageBoxDesign m_design;
};
