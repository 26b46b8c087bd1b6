#include "ZembraFrame.h"

#include "app/AppAccess.h"
#include "log/ProgramLog.h"
#include "support/RegistryKey.h"
#include "support/core/ProductInfo.h"

#include <cstring>
#include <vector>

namespace {

void Log(const std::string& text) {
    GetProgramLog().Append(text);
}

const char* const kPlacementValue = "WindowPlacement";
// The only size this program writes; any other stored value is not a placement of ours.
constexpr DWORD kPlacementSize = 44;
static_assert(sizeof(WINDOWPLACEMENT) == kPlacementSize, "the stored placement is 44 bytes");

} // namespace

CZembraFrame::CZembraFrame() {
    Log("CZembraFrame object being created.");
    Log("CZembraFrame object created.");
}

CZembraFrame::~CZembraFrame() {
    Log("CZembraFrame object being destroyed.");
    Log("CZembraFrame object destroyed.");
}

BOOL CZembraFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    Log("CZembraFrame::PreCreateWindow() beginning.");
    Log("Calling CFrameWnd::PreCreateWindow() first.");
    if (!CFrameWnd::PreCreateWindow(cs)) {
        Log("Error: CFrameWnd::PreCreateWindow() failed.  Returning false.");
        return FALSE;
    }
    Log("CFrameWnd::PreCreateWindow() succeeded.");
    Log("Changing window style (CREATESTRUCT.style).");
    cs.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | FWS_ADDTOTITLE;
    Log("CZembraFrame::PreCreateWindow() succeeded.");
    return TRUE;
}

void CZembraFrame::OnDestroy() {
    Log("Calling SaveWindowPlacement().");
    SaveWindowPlacement();
    Log("SaveWindowPlacement() returned.");
    CFrameWnd::OnDestroy();
    Log("CFrameWnd::OnDestroy() returned.");
}

BOOL CZembraFrame::OnQueryEndSession() {
    Log("CZembraFrame::OnQueryEndSession() beginning.");
    Log("Calling CFrameWnd::OnQueryEndSession().");
    const BOOL end = CFrameWnd::OnQueryEndSession();
    Log("CFrameWnd::OnQueryEndSession() returned.");
    Log(end ? "CZembraFrame::OnQueryEndSession() returning true."
            : "CZembraFrame::OnQueryEndSession() returning false.");
    return end;
}

void CZembraFrame::OnEndSession(BOOL bEnding) {
    Log("CZembraFrame::OnEndSession() beginning.");
    if (!bEnding) {
        Log("Session not ending.");
        return;
    }
    Log("Calling SaveWindowPlacement().");
    SaveWindowPlacement();
    Log("SaveWindowPlacement() returned.");
    Log("Calling CFrameWnd::OnEndSession().");
    CFrameWnd::OnEndSession(bEnding);
    Log("CFrameWnd::OnEndSession() returned.");
}

void CZembraFrame::SaveWindowPlacement() {
    // A frame that was never shown (its first document failed to open) has no place of the
    // user's: the stored one stays.
    if (!HasBeenShown())
        return;
    RegistryKey key(HKEY_CURRENT_USER, product::kRegistryKey);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(m_hWnd, &placement))
        return;
    key.SetBinary(kPlacementValue, &placement, sizeof(placement));
}

void CZembraFrame::LoadWindowPlacement() {
    RegistryKey key(HKEY_CURRENT_USER, product::kRegistryKey);
    if (!key.ValueExists(kPlacementValue))
        return;
    const DWORD size = key.GetValueSize(kPlacementValue);
    if (size != kPlacementSize)
        return;
    std::vector<unsigned char> buffer(size);
    key.GetBinary(kPlacementValue, buffer.data(), size);
    if (key.Failed())
        return;
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, buffer.data(), sizeof(placement));
    placement.showCmd = SW_SHOW;
    SetWindowPlacement(m_hWnd, &placement);
}
