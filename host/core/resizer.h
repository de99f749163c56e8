// CResizer: keeps a dialog's controls in place while the dialog is resized.
//
// Each control of the table is anchored by its sides. An anchored side keeps its distance to
// the same side of the dialog's client area; a control anchored at both left and right
// stretches with the dialog, one anchored at the right only moves with it, and one anchored
// at neither horizontal side stays where it was (the same holds for top and bottom). Places
// are taken from the controls as they are when `Init` runs, against the client size of that
// moment; `Init` may run again after the dialog moved controls itself. A control is never
// given a negative width or height.
//
// The resizer also keeps the dialog's minimum tracking size, which `OnGetMinMaxInfo` puts
// into WM_GETMINMAXINFO's answer.
#pragma once

#include <initializer_list>
#include <vector>

#include "crect.h"
#include "csize.h"
#include "cwnd.h"

class CResizer {
  public:
    enum Anchor : unsigned {
        kLeft = 1,
        kTop = 2,
        kRight = 4,
        kBottom = 8,
        kTopLeft = kTop | kLeft,
        kTopRight = kTop | kRight,
        kBottomLeft = kBottom | kLeft,
        kBottomRight = kBottom | kRight,
        kTopLeftRight = kTop | kLeft | kRight,
        kBottomLeftRight = kBottom | kLeft | kRight,
        kLeftTopBottom = kLeft | kTop | kBottom,
        kRightTopBottom = kRight | kTop | kBottom,
        kAll = kLeft | kTop | kRight | kBottom,
    };
    struct Entry {
        int id;
        unsigned sides;
    };

    // Records the table's controls. False when the dialog has no window or a control of the
    // table is missing; the controls that exist are kept either way.
    bool Init(CWnd* dialog, std::initializer_list<Entry> table) {
        return Init(dialog, std::vector<Entry>(table));
    }
    bool Init(CWnd* dialog, const std::vector<Entry>& table);
    // Places every recorded control for the dialog's present client size (call from OnSize).
    void Move();
    int GetControlCount() const { return static_cast<int>(placed_.size()); }

    void SetMinTrackSize(CSize size) { minTrack_ = size; }
    CSize GetMinTrackSize() const { return minTrack_; }
    // Raises the minimum tracking size of `info` to the kept one (call from OnGetMinMaxInfo).
    void OnGetMinMaxInfo(MINMAXINFO* info) const;

  private:
    struct Placed {
        int id;
        unsigned sides;
        CRect start;
    };
    CWnd* dialog_ = nullptr;
    CSize startClient_;
    CSize minTrack_{0, 0};
    std::vector<Placed> placed_;
};
