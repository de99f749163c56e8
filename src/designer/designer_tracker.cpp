#include "designer_tracker.h"

#include <algorithm>

CControlRect::CControlRect(std::unique_ptr<CWnd> window)
    : CRectTracker(nullptr, solidLine | resizeOutside), window_(std::move(window)) {
    m_nHandleSize = 5;
    syncFromWindow();
}

CControlRect::~CControlRect() {
    if (window_ && window_->GetSafeHwnd()) window_->DestroyWindow();
}

int CControlRect::id() const {
    return window_ ? window_->GetDlgCtrlID() : 0;
}

void CControlRect::syncFromWindow() {
    if (!window_ || !window_->GetSafeHwnd()) return;
    CRect rect;
    window_->GetWindowRect(&rect);
    if (CWnd* parent = window_->GetParent()) parent->ScreenToClient(&rect);
    m_rect = rect;
}

void CControlRect::moveTo(const CRect& rect) {
    CRect r = rect;
    r.NormalizeRect();
    if (window_ && window_->GetSafeHwnd()) window_->MoveWindow(&r);
    m_rect = r;
}

void CDesignerTracker::addControl(CControlRect* control) {
    if (control) controls_.push_back(control);
}

void CDesignerTracker::removeControl(CControlRect* control) {
    std::erase(controls_, control);
    std::erase(selection_, control);
    if (control) control->selected = false;
}

void CDesignerTracker::clearSelection() {
    for (CControlRect* c : selection_) c->selected = false;
    selection_.clear();
}

void CDesignerTracker::select(CControlRect* control) {
    if (!control || control->selected) return;
    control->selected = true;
    selection_.push_back(control);
}

void CDesignerTracker::toggle(CControlRect* control) {
    if (!control) return;
    if (!control->selected) {
        select(control);
        return;
    }
    control->selected = false;
    std::erase(selection_, control);
}

CControlRect* CDesignerTracker::hitControl(CPoint point, int* hit) const {
    for (CControlRect* c : controls_) {
        c->syncFromWindow();
        const int h = c->HitTest(point);
        if (h == CRectTracker::hitNothing) continue;
        if (hit) *hit = h;
        return c;
    }
    return nullptr;
}

bool CDesignerTracker::onLButtonDown(UINT flags, CPoint point) {
    if (!dialog_) return false;
    int hit = CRectTracker::hitNothing;
    if (CControlRect* control = hitControl(point, &hit)) {
        pressOnControl(control, hit, flags, point);
        invalidate();
        return true;
    }
    if (flags & (MK_SHIFT | MK_CONTROL)) return false;
    clearSelection();
    rubberBand(point);
    invalidate();
    return true;
}

void CDesignerTracker::pressOnControl(CControlRect* control, int hit, UINT flags, CPoint point) {
    if (flags & MK_CONTROL) {
        toggle(control);
        return;
    }
    if (flags & MK_SHIFT) {
        select(control);
        return;
    }
    if (!control->selected) {
        clearSelection();
        select(control);
    }
    if (hit != CRectTracker::hitMiddle) {
        if (control->Track(dialog_, point, FALSE)) control->moveTo(control->m_rect);
        return;
    }
    moveSelection(point);
}

void CDesignerTracker::moveSelection(CPoint point) {
    if (selection_.empty()) return;
    CRect bounds;
    for (size_t i = 0; i < selection_.size(); ++i) {
        CControlRect* c = selection_[i];
        c->syncFromWindow();
        const CRect& r = c->m_rect;
        bounds = i == 0 ? r
                        : CRect(std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                                std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom));
    }
    group_ = CRectTracker(&bounds, CRectTracker::solidLine);
    if (!group_.Track(dialog_, point, FALSE)) return;
    const int dx = group_.m_rect.left - bounds.left;
    const int dy = group_.m_rect.top - bounds.top;
    for (CControlRect* c : selection_) {
        CRect r = c->m_rect;
        r.OffsetRect(dx, dy);
        c->moveTo(r);
    }
}

void CDesignerTracker::rubberBand(CPoint point) {
    group_ = CRectTracker(nullptr, CRectTracker::dottedLine);
    group_.TrackRubberBand(dialog_, point, TRUE);
    CRect band = group_.m_rect;
    band.NormalizeRect();
    for (CControlRect* c : controls_) {
        c->syncFromWindow();
        const CRect& r = c->m_rect;
        if (r.left >= band.left && r.top >= band.top && r.right <= band.right &&
            r.bottom <= band.bottom)
            select(c);
    }
}

void CDesignerTracker::draw(CDC* dc) const {
    for (CControlRect* c : selection_) {
        c->syncFromWindow();
        c->Draw(dc);
    }
}

bool CDesignerTracker::setCursor(UINT hitTest) const {
    for (CControlRect* c : controls_) {
        if (c->SetCursor(dialog_, hitTest)) return true;
    }
    return false;
}

void CDesignerTracker::invalidate() const {
    if (dialog_ && dialog_->GetSafeHwnd()) dialog_->Invalidate();
}
