#pragma once
// A form view: a child dialog (its template must be a child form) that fills the frame's client
// area and shows the document. The frame's message loop gives it the dialog keys (Tab order,
// Enter on the default button).

#include "framework/DialogWindow.h"

class CDocument;
class CFrameWnd;

// The direction of a data exchange: false fills the form from the document.
struct CDataExchange {
    bool m_bSaveAndValidate = false;
};

class CFormView : public CDialogWindow {
public:
    // Creates the form as a child of the frame. False when it cannot be created.
    bool Create(CFrameWnd* frame, CDocument* document);

    // Each time a document is attached (start, New, Open): fills the form (UpdateData(FALSE)).
    virtual void OnInitialUpdate();

    // Runs DoDataExchange in the given direction.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Fits the frame to the form: with bShrinkOnly the frame only ever gets smaller.
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const { return m_pFrame; }
    void SetDocument(CDocument* document) { m_pDocument = document; }

    // The form's own keyboard handling for a message of the loop; true when handled.
    bool IsDialogMessage(MSG& msg) const;

protected:
    explicit CFormView(UINT templateId) : CDialogWindow(templateId) {}

    virtual void DoDataExchange(CDataExchange*) {}

    // Control notifications. A form has no OK or Cancel: Esc and a stray Enter do nothing.
    bool OnCommand(WORD id, WORD code) override;
    virtual bool OnControlCommand(WORD id, WORD code) = 0;

private:
    CFrameWnd* m_pFrame = nullptr;
    CDocument* m_pDocument = nullptr;
    SIZE m_sizeTotal{};
};
