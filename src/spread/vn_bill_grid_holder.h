#pragma once
// VnBillGridHolder: the small modeless window (resource 248) in which a bill is written: a
// grid over its placeholder, OK and Cancel. `open` creates it once, owned by the CAD host's
// main window, and hands the focus back to the main window so the user's work goes on; OK
// or Cancel closes it. The holder owns the dialog; closing the window only hides the grid
// from getSSPointer.
#include <memory>

#include "ktx_spread.h"
#include "win.h"

class VnBillGridHolder {
  public:
    static constexpr UINT kResourceId = 248;
    static constexpr int kGridPlaceholder = 1000;

    VnBillGridHolder();
    ~VnBillGridHolder();
    VnBillGridHolder(const VnBillGridHolder&) = delete;
    VnBillGridHolder& operator=(const VnBillGridHolder&) = delete;

    // Creates the window when it does not exist yet; false when it cannot be made.
    bool open();
    // The grid of the open window; nullptr while there is none.
    Ktx_Spread* getSSPointer();
    // The window, nullptr while closed.
    HWND window() const;

  private:
    class Dialog;
    std::unique_ptr<Dialog> dialog_;
};
