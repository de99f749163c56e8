#pragma once
// The design mode's mouse handling over the drawn controls of a template.
//
// CControlRect: one drawn control, a rectangle tracker (solid frame, eight handles of 5
// pixels outside the rectangle) joined with the control's child window, whose rectangle in
// the dialog's client coordinates it always mirrors. Destroying it destroys the window.
//
// CDesignerTracker: the dialog's tracker for moving a group and drawing a rubber band, the
// list of all drawn controls (not owned; the template owns them) and the selection. A control
// is selected exactly when it is in the selection, and then its `selected` flag is set.
#include <memory>
#include <vector>

#include "rect_tracker.h"
#include "win.h"

class CControlRect : public CRectTracker {
  public:
    explicit CControlRect(std::unique_ptr<CWnd> window);
    ~CControlRect() override;

    CWnd* window() const { return window_.get(); }
    int id() const;
    // Copies the window's rectangle (dialog client coordinates) into m_rect.
    void syncFromWindow();
    // Moves the window to `rect` (dialog client coordinates) and keeps m_rect equal.
    void moveTo(const CRect& rect);
    UINT GetHandleMask() const override { return 0xFF; }

    bool selected = false;

  private:
    std::unique_ptr<CWnd> window_;
};

class CDesignerTracker {
  public:
    void setDialog(CWnd* dialog) { dialog_ = dialog; }
    CWnd* dialog() const { return dialog_; }

    void addControl(CControlRect* control);
    // Drops the control from the list and the selection.
    void removeControl(CControlRect* control);

    const std::vector<CControlRect*>& selection() const { return selection_; }
    void clearSelection();
    void select(CControlRect* control);
    void toggle(CControlRect* control);
    // The first control (in list order) whose tracker is hit at point, or null.
    CControlRect* hitControl(CPoint point, int* hit = nullptr) const;

    // The mouse press of design mode (see Ktx_DlgDesignerData::OnLButtonDown); true when
    // the press was handled.
    bool onLButtonDown(UINT flags, CPoint point);
    // Draws the frame of every selected control.
    void draw(CDC* dc) const;
    // Lets the first control whose tracker claims the cursor set it.
    bool setCursor(UINT hitTest) const;

  private:
    void pressOnControl(CControlRect* control, int hit, UINT flags, CPoint point);
    void moveSelection(CPoint point);
    void rubberBand(CPoint point);
    void invalidate() const;

    CWnd* dialog_ = nullptr;
    CRectTracker group_;
    std::vector<CControlRect*> controls_;
    std::vector<CControlRect*> selection_;
};
