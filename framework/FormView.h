#pragma once
// A form view: a child dialog (its template must be a child form) that fills the frame's client
// area and shows the document. The frame's message loop gives it the dialog keys (Tab order,
// Enter on the default button). Where the frame's client area is smaller than the form, the form
// shows scroll bars and scrolls with them, with the mouse wheel and to the control the keyboard
// focus moves to.

#include "framework/DialogWindow.h"
#include "framework/UniqueHandle.h"

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
    // Fits the frame to the form exactly on the sides asked for; the other sides only shrink to
    // the form.
    void FitParent(bool exactWidth, bool exactHeight);

    // Lays the form out again for dpi, from its template: the template's font at that DPI, and
    // every control's rectangle in dialog units of that font. The scroll bars follow.
    void ScaleToDpi(UINT dpi);

    // Whether the form is wider (taller) than the area it has, and shows its scroll bar.
    bool ScrollsHorizontally() const;
    bool ScrollsVertically() const;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const { return m_pFrame; }

    // The form's own keyboard handling for a message of the loop; true when handled. A control
    // the keyboard focus moves to is scrolled into view.
    bool IsDialogMessage(MSG& msg);

protected:
    explicit CFormView(UINT templateId) : CDialogWindow(templateId) {}

    virtual void DoDataExchange(CDataExchange*) {}

    // Control notifications. A form has no OK or Cancel: Esc and a stray Enter do nothing.
    bool OnCommand(WORD id, WORD code) override;
    virtual bool OnControlCommand(WORD id, WORD code) = 0;
    // Size changes, the scroll bars and the mouse wheel.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // Shows the scroll bars the form needs in its current size and keeps the position in range.
    void UpdateScrollBars();
    // A scroll bar's request (SB_LINEDOWN...) on bar (SB_HORZ or SB_VERT).
    void OnScroll(int bar, WORD request);
    // The wheel turned by delta (WHEEL_DELTA a notch) on bar.
    void OnWheel(int bar, int delta);
    // Scrolls so that the control lies in the visible part of the form, as far as it fits.
    void ScrollIntoView(HWND control);
    // Scrolls to position, kept in range.
    void ScrollTo(POINT position);
    // Moves the form's contents to show position, which is in range.
    void MoveContents(POINT position);
    // The farthest position on bar.
    LONG ScrollLimit(int bar) const;

    CFrameWnd* m_pFrame = nullptr;
    CDocument* m_pDocument = nullptr;
    // The form's whole size, and the part of it shown: its position and size.
    SIZE m_sizeTotal{};
    POINT m_ptScroll{};
    SIZE m_sizePage{};
    bool m_bUpdatingBars = false;
    // Wheel turns not yet amounting to a notch, for each bar.
    int m_nWheelRest[2] = {0, 0};
    // The font of a form laid out again for another DPI; the template's own belongs to the
    // dialog.
    FontHandle m_font;
};
