#pragma once
// The editor's main window: fixed size (the form decides it), no maximize box, and its placement
// remembered per user.

#include "framework/FrameWnd.h"

class CZembraFrame : public CFrameWnd {
public:
    CZembraFrame();
    ~CZembraFrame() override;

    // Stores the window's placement under the user's product key.
    void SaveWindowPlacement();
    // Applies the stored placement, shown in its normal state.
    void LoadWindowPlacement();

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnDestroy() override;
    BOOL OnQueryEndSession() override;
    // At the session's end the placement is stored as when the window is closed.
    void OnEndSession(BOOL bEnding) override;
};
