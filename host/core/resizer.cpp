#include "resizer.h"

#include <algorithm>

namespace {

// One axis of a control: its start edges against the client's start extent and now.
struct Span {
    int low, high;
};

Span follow(Span start, int grow, bool lowAnchored, bool highAnchored) {
    if (highAnchored && !lowAnchored) return {start.low + grow, start.high + grow};
    if (highAnchored) return {start.low, std::max(start.low, start.high + grow)};
    return start;
}

CSize clientSize(CWnd* dialog) {
    CRect r;
    dialog->GetClientRect(&r);
    return r.Size();
}

}  // namespace

bool CResizer::Init(CWnd* dialog, const std::vector<Entry>& table) {
    placed_.clear();
    dialog_ = dialog;
    if (dialog == nullptr || dialog->GetSafeHwnd() == nullptr) return false;
    startClient_ = clientSize(dialog);
    bool all = true;
    for (const Entry& e : table) {
        CWnd* control = dialog->GetDlgItem(e.id);
        if (control == nullptr) {
            all = false;
            continue;
        }
        CRect r;
        control->GetWindowRect(&r);
        dialog->ScreenToClient(&r);
        placed_.push_back({e.id, e.sides, r});
    }
    return all;
}

void CResizer::Move() {
    if (dialog_ == nullptr || dialog_->GetSafeHwnd() == nullptr) return;
    const CSize now = clientSize(dialog_);
    const int dx = now.cx - startClient_.cx, dy = now.cy - startClient_.cy;
    for (const Placed& p : placed_) {
        CWnd* control = dialog_->GetDlgItem(p.id);
        if (control == nullptr) continue;
        Span h = follow({p.start.left, p.start.right}, dx, p.sides & kLeft, p.sides & kRight);
        Span v = follow({p.start.top, p.start.bottom}, dy, p.sides & kTop, p.sides & kBottom);
        control->MoveWindow(h.low, v.low, h.high - h.low, v.high - v.low, FALSE);
    }
    dialog_->Invalidate();
}

void CResizer::OnGetMinMaxInfo(MINMAXINFO* info) const {
    if (info == nullptr) return;
    info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, minTrack_.cx);
    info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, minTrack_.cy);
}
