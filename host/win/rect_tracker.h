// CRectTracker: a rectangle the user moves, resizes or draws with the mouse, with its frame
// and eight resize handles.
//
// Geometry: the handles are squares of m_nHandleSize pixels, outside the rectangle with
// resizeOutside, inside it with resizeInside; a solid or dotted frame lies one pixel outside
// m_rect. HitTest gives a TrackerHit code; an inverted m_rect (right < left or bottom < top)
// is hit-tested as its normalised form, with handle codes naming the logical corners.
//
// Tracking: Track (hit on a handle or inside) and TrackRubberBand (a new rectangle from the
// press point) follow the mouse until the button is released: the forms taking a window read
// the mouse messages from the window system's queue (posted by the scripted user's drag);
// the ...Points forms take the moves from the caller. A resize keeps at least m_sizeMin unless
// inverting is allowed (then the absolute size is kept at least m_sizeMin). Both return TRUE
// only when m_rect changed; a cancelled drag (Escape or the right button) restores it.
#pragma once

#include <functional>
#include <vector>

#include "crect.h"
#include "gdi_dc.h"

class CWnd;

class CRectTracker {
  public:
    enum StyleFlags {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    CRectTracker() = default;
    CRectTracker(LPCRECT rect, UINT style);
    virtual ~CRectTracker() = default;

    void Draw(CDC* dc) const;
    // m_rect normalised and grown by the frame and outside handles.
    void GetTrueRect(LPRECT out) const;
    int HitTest(CPoint point) const;
    // The handle code as seen on the normalised rectangle.
    int NormalizeHit(int handle) const;
    // When hitTest is HTCLIENT and the cursor (GetCursorPos) is over the tracker, shows the
    // cursor for the part under it and returns TRUE; FALSE otherwise.
    BOOL SetCursor(CWnd* window, UINT hitTest) const;
    BOOL Track(CWnd* window, CPoint point, BOOL allowInvert = FALSE, CWnd* clipTo = nullptr);
    BOOL TrackRubberBand(CWnd* window, CPoint point, BOOL allowInvert = TRUE);

    struct DragStep {
        enum Kind { Move, Release, Cancel } kind = Move;
        POINT point;
    };
    // Scripted tracking: the mouse moves through `moves` and is released at the last one.
    BOOL TrackPoints(CPoint point, const std::vector<POINT>& moves, BOOL allowInvert = FALSE);
    BOOL TrackRubberBandPoints(CPoint point, const std::vector<POINT>& moves,
                               BOOL allowInvert = TRUE);
    // The tracking loop: `next` gives each step; a false result ends as a release.
    BOOL TrackSteps(int handle, CPoint point, const std::function<bool(DragStep&)>& next);
    // The standard cursor id shown over a hit code (IDC_SIZENWSE ...), nullptr for none.
    static LPCSTR CursorFor(int hit);

    // Handles offered: bit n for TrackerHit n. By default the corners always, the side
    // handles when the side is long enough for them.
    virtual UINT GetHandleMask() const;
    // Keeps the minimum size while a handle is dragged.
    virtual void AdjustRect(int handle, LPRECT rect);
    virtual void OnChangedRect(const CRect& oldRect);
    void GetHandleRect(int handle, CRect* out) const;
    int GetHandleSize(LPCRECT rect = nullptr) const;

    UINT m_nStyle = 0;
    CRect m_rect;
    CSize m_sizeMin{8, 8};
    int m_nHandleSize = 4;

  protected:
    BOOL m_bAllowInvert = FALSE;
};
