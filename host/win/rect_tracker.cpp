#include "rect_tracker.h"

#include <cstdlib>

#include "gdi_cursor.h"

namespace {

// Which edges of the rectangle a handle moves (nullptr: none on that axis).
struct MovedEdges {
    LONG* x = nullptr;
    LONG* y = nullptr;
};

MovedEdges movedEdges(int handle, RECT& r) {
    switch (handle) {
        case CRectTracker::hitTopLeft:
        case CRectTracker::hitMiddle:
            return {&r.left, &r.top};
        case CRectTracker::hitTopRight:
            return {&r.right, &r.top};
        case CRectTracker::hitBottomRight:
            return {&r.right, &r.bottom};
        case CRectTracker::hitBottomLeft:
            return {&r.left, &r.bottom};
        case CRectTracker::hitTop:
            return {nullptr, &r.top};
        case CRectTracker::hitRight:
            return {&r.right, nullptr};
        case CRectTracker::hitBottom:
            return {nullptr, &r.bottom};
        case CRectTracker::hitLeft:
            return {&r.left, nullptr};
        default:
            return {};
    }
}

// Keeps |far - near| (or far - near without inversion) at least `minimum` by moving `edge`,
// the edge being dragged; `other` stays.
void keepMinimum(LONG* edge, LONG other, bool edgeIsFar, int minimum, bool allowInvert) {
    const int size = edgeIsFar ? *edge - other : other - *edge;
    const int absolute = allowInvert ? std::abs(size) : size;
    if (absolute >= minimum) return;
    const int sign = absolute != 0 ? size / absolute : 1;
    *edge = edgeIsFar ? other + sign * minimum : other - sign * minimum;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

CRectTracker::CRectTracker(LPCRECT rect, UINT style) : m_nStyle(style) {
    if (rect != nullptr) m_rect = *rect;
}

int CRectTracker::GetHandleSize(LPCRECT rect) const {
    if (rect == nullptr) rect = &m_rect;
    int size = m_nHandleSize;
    if ((m_nStyle & resizeOutside) == 0) {
        // Inside handles must fit the rectangle.
        const int maxSize =
            std::min(std::abs(rect->right - rect->left), std::abs(rect->bottom - rect->top));
        if (size * 2 > maxSize) size = maxSize / 2;
    }
    return size;
}

void CRectTracker::GetTrueRect(LPRECT out) const {
    CRect r = m_rect;
    r.NormalizeRect();
    int grow = 0;
    if ((m_nStyle & (resizeOutside | hatchedBorder)) != 0) grow += GetHandleSize() - 1;
    if ((m_nStyle & (solidLine | dottedLine)) != 0) ++grow;
    r.InflateRect(grow, grow);
    *out = r;
}

int CRectTracker::NormalizeHit(int handle) const {
    if (handle < hitTopLeft || handle > hitLeft) return handle;
    static const int swapX[] = {hitTopRight, hitTopLeft, hitBottomLeft, hitBottomRight,
                                hitTop,      hitLeft,    hitBottom,     hitRight};
    static const int swapY[] = {hitBottomLeft, hitBottomRight, hitTopRight, hitTopLeft,
                                hitBottom,     hitRight,       hitTop,      hitLeft};
    if (m_rect.Width() < 0) handle = swapX[handle];
    if (m_rect.Height() < 0) handle = swapY[handle];
    return handle;
}

void CRectTracker::GetHandleRect(int handle, CRect* out) const {
    CRect r = m_rect;
    r.NormalizeRect();
    if ((m_nStyle & (solidLine | dottedLine)) != 0) r.InflateRect(1, 1);
    const int size = GetHandleSize();
    if ((m_nStyle & resizeOutside) != 0) r.InflateRect(size - 1, size - 1);
    const int midX = r.left + (r.Width() - size) / 2, midY = r.top + (r.Height() - size) / 2;
    const int farX = r.right - size, farY = r.bottom - size;
    POINT at{r.left, r.top};
    switch (NormalizeHit(handle)) {
        case hitTopRight:
            at = {farX, r.top};
            break;
        case hitBottomRight:
            at = {farX, farY};
            break;
        case hitBottomLeft:
            at = {r.left, farY};
            break;
        case hitTop:
            at = {midX, r.top};
            break;
        case hitRight:
            at = {farX, midY};
            break;
        case hitBottom:
            at = {midX, farY};
            break;
        case hitLeft:
            at = {r.left, midY};
            break;
        default:
            break;
    }
    *out = CRect(at.x, at.y, at.x + size, at.y + size);
}

UINT CRectTracker::GetHandleMask() const {
    UINT mask = 0x0F;  // corners
    const int needed = m_nHandleSize * 3 + 4;
    if (std::abs(m_rect.Width()) > needed) mask |= 0x50;   // top and bottom
    if (std::abs(m_rect.Height()) > needed) mask |= 0xA0;  // right and left
    return mask;
}

int CRectTracker::HitTest(CPoint point) const {
    CRect whole;
    GetTrueRect(&whole);
    if (!whole.PtInRect(point)) return hitNothing;
    if ((m_nStyle & (resizeInside | resizeOutside)) == 0) return hitMiddle;
    const UINT mask = GetHandleMask();
    for (int i = 0; i < 8; ++i) {
        CRect handle;
        GetHandleRect(i, &handle);
        if ((mask & (1u << i)) != 0 && handle.PtInRect(point)) return i;
    }
    if ((m_nStyle & hatchedBorder) == 0) {
        // Between outside handles is not on the tracker.
        CRect body = m_rect;
        body.NormalizeRect();
        if ((m_nStyle & (solidLine | dottedLine)) != 0) body.InflateRect(1, 1);
        if (!body.PtInRect(point)) return hitNothing;
    }
    return hitMiddle;
}

LPCSTR CRectTracker::CursorFor(int hit) {
    switch (hit) {
        case hitTopLeft:
        case hitBottomRight:
            return IDC_SIZENWSE;
        case hitTopRight:
        case hitBottomLeft:
            return IDC_SIZENESW;
        case hitTop:
        case hitBottom:
            return IDC_SIZENS;
        case hitLeft:
        case hitRight:
            return IDC_SIZEWE;
        case hitMiddle:
            return IDC_SIZEALL;
        default:
            return nullptr;
    }
}

void CRectTracker::AdjustRect(int handle, LPRECT rect) {
    if (handle == hitMiddle) return;
    const MovedEdges moved = movedEdges(handle, *rect);
    const bool invert = m_bAllowInvert != FALSE;
    if (moved.x != nullptr) {
        const bool far = moved.x == &rect->right;
        keepMinimum(moved.x, far ? rect->left : rect->right, far, m_sizeMin.cx, invert);
    }
    if (moved.y != nullptr) {
        const bool far = moved.y == &rect->bottom;
        keepMinimum(moved.y, far ? rect->top : rect->bottom, far, m_sizeMin.cy, invert);
    }
}

void CRectTracker::OnChangedRect(const CRect& /*oldRect*/) {}

BOOL CRectTracker::TrackSteps(int handle, CPoint point,
                              const std::function<bool(DragStep&)>& next) {
    const CRect saved = m_rect;
    const int width = m_rect.Width(), height = m_rect.Height();
    const MovedEdges start = movedEdges(handle, m_rect);
    const int xDiff = point.x - (start.x != nullptr ? *start.x : 0);
    const int yDiff = point.y - (start.y != nullptr ? *start.y : 0);
    bool moved = false;
    DragStep step;
    while (true) {
        if (!next(step)) step.kind = DragStep::Release, step.point = point;
        if (step.kind == DragStep::Cancel) {
            m_rect = saved;
            break;
        }
        const CRect old = m_rect;
        const MovedEdges edges = movedEdges(handle, m_rect);
        if (edges.x != nullptr) *edges.x = step.point.x - xDiff;
        if (edges.y != nullptr) *edges.y = step.point.y - yDiff;
        if (handle == hitMiddle) {
            m_rect.right = m_rect.left + width;
            m_rect.bottom = m_rect.top + height;
        }
        AdjustRect(handle, &m_rect);
        if (!sameRect(old, m_rect)) {
            OnChangedRect(old);
            if (step.kind == DragStep::Move) moved = true;
        }
        point = step.point;
        if (step.kind == DragStep::Release) break;
    }
    if (!moved) m_rect = saved;
    return !sameRect(saved, m_rect);
}

BOOL CRectTracker::TrackPoints(CPoint point, const std::vector<POINT>& moves, BOOL allowInvert) {
    const int handle = HitTest(point);
    if (handle < 0) return FALSE;
    m_bAllowInvert = allowInvert;
    std::size_t i = 0;
    return TrackSteps(handle, point, [&](DragStep& step) {
        if (i > moves.size() || moves.empty()) return false;
        step.kind = i == moves.size() ? DragStep::Release : DragStep::Move;
        step.point = moves[i == moves.size() ? i - 1 : i];
        ++i;
        return true;
    });
}

BOOL CRectTracker::TrackRubberBandPoints(CPoint point, const std::vector<POINT>& moves,
                                         BOOL allowInvert) {
    m_bAllowInvert = allowInvert;
    m_rect = CRect(point.x, point.y, point.x, point.y);
    std::size_t i = 0;
    return TrackSteps(hitBottomRight, point, [&](DragStep& step) {
        if (i > moves.size() || moves.empty()) return false;
        step.kind = i == moves.size() ? DragStep::Release : DragStep::Move;
        step.point = moves[i == moves.size() ? i - 1 : i];
        ++i;
        return true;
    });
}

void CRectTracker::Draw(CDC* dc) const {
    if (dc == nullptr) return;
    const int saved = dc->SaveDC();
    CRect frame = m_rect;
    frame.NormalizeRect();
    if ((m_nStyle & (solidLine | dottedLine)) != 0) {
        CPen pen((m_nStyle & dottedLine) != 0 ? PS_DOT : PS_SOLID, 0, RGB(0, 0, 0));
        CPen* oldPen = dc->SelectObject(&pen);
        dc->SelectStockObject(NULL_BRUSH);
        CRect outline = frame;
        outline.InflateRect(1, 1);
        dc->Rectangle(&outline);
        dc->SelectObject(oldPen);
    }
    if ((m_nStyle & (resizeInside | resizeOutside)) != 0) {
        const UINT mask = GetHandleMask();
        for (int i = 0; i < 8; ++i) {
            if ((mask & (1u << i)) == 0) continue;
            CRect handle;
            GetHandleRect(i, &handle);
            dc->FillSolidRect(&handle, RGB(0, 0, 0));
        }
    }
    dc->RestoreDC(saved);
}
