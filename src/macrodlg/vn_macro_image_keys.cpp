// The image page's keys: Escape closes the macro dialog, Enter applies (or ends the grid's
// editing), releasing the space bar on a bolt count applies, and Tab moves through the three
// zones template, grid and page controls.
#include "vn_macro_image_page.h"

namespace {

constexpr int kZoneCount = 3;
constexpr int kMaxZoneTries = 4;

bool usable(CWnd* w) {
    return w && w->IsWindowVisible() && w->IsWindowEnabled();
}

}  // namespace

BOOL VnMacroImagePage::PreTranslateMessage(MSG* msg) {
    if (msg && handleKey(*msg)) return TRUE;
    return FALSE;
}

bool VnMacroImagePage::handleKey(const MSG& msg) {
    const auto key = static_cast<UINT>(msg.wParam);
    const bool down = msg.message == WM_KEYDOWN;
    const bool typed = msg.message == WM_CHAR;
    int focused = 0;
    const bool inTemplate = designer_.getFocusedDynControl(focused);
    if (key == VK_ESCAPE && (down || typed)) {
        if (down) closeMacroDialog();
        return true;
    }
    if (key == VK_RETURN && (down || typed)) {
        if (down && inTemplate && ready_) apply();
        return inTemplate || focusInGrid();
    }
    if (key == VK_SPACE && msg.message == WM_KEYUP && inTemplate &&
        designer_.isTypeBoltCount(focused) && ready_) {
        apply();
        return false;
    }
    if (key == VK_TAB && (down || typed)) {
        if (typed) return true;
        return handleTab(GetKeyState(VK_SHIFT) < 0);
    }
    return false;
}

bool VnMacroImagePage::handleTab(bool backward) {
    Ktx_TabMsgHandle handling = kTabNotHandled;
    if (designer_.handleTabKey(VK_TAB, handling)) {
        if (handling == kTabAfterLast || handling == kTabBeforeFirst)
            focusNextZone(kZoneTemplate, handling == kTabAfterLast);
        return true;
    }
    if (focusInGrid()) {
        focusNextZone(kZoneGrid, !backward);
        return true;
    }
    int index = -1;
    if (!focusInPageControls(index)) return false;
    const int step = backward ? -1 : 1;
    for (int i = index + step; i >= 0 && i < 3; i += step) {
        CWnd* w = GetDlgItem(fixedControls_[i]);
        if (usable(w)) {
            w->SetFocus();
            return true;
        }
    }
    focusNextZone(kZonePage, !backward);
    return true;
}

void VnMacroImagePage::focusNextZone(int from, bool forward) {
    int zone = from;
    for (int tries = 0; tries < kMaxZoneTries; ++tries) {
        zone = (zone + (forward ? 1 : kZoneCount - 1)) % kZoneCount;
        if (focusZone(zone, forward)) return;
    }
}

bool VnMacroImagePage::focusZone(int zone, bool forward) {
    if (zone == kZoneTemplate) return hasTemplate_ && designer_.setFocusToCtrl(forward);
    if (zone == kZoneGrid) {
        if (!grid_.isCreated() || !gridVisible()) return false;
        grid_.SetFocus();
        return true;
    }
    for (int n = 0; n < 3; ++n) {
        CWnd* w = GetDlgItem(fixedControls_[forward ? n : 2 - n]);
        if (usable(w)) {
            w->SetFocus();
            return true;
        }
    }
    return false;
}

bool VnMacroImagePage::focusInGrid() const {
    HWND focus = ::GetFocus();
    HWND g = grid_.gridWindow();
    return g && focus && (focus == g || ::IsChild(g, focus));
}

bool VnMacroImagePage::focusInPageControls(int& index) const {
    HWND focus = ::GetFocus();
    for (int i = 0; i < 3; ++i) {
        CWnd* w = GetDlgItem(fixedControls_[i]);
        if (w && focus && (w->GetSafeHwnd() == focus || ::IsChild(w->GetSafeHwnd(), focus))) {
            index = i;
            return true;
        }
    }
    return false;
}
