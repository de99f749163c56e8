#pragma once
// RedrawLock: switches a grid's redrawing off (grid option 8) for its lifetime and back on
// when it ends, so that a bulk write redraws once. Locks nest: only the lock that found
// redrawing on switches it on again. A null or not yet created grid is left alone.
#include "spread_forward.h"

class RedrawLock {
  public:
    explicit RedrawLock(Ktx_Spread* ss);
    ~RedrawLock();
    RedrawLock(const RedrawLock&) = delete;
    RedrawLock& operator=(const RedrawLock&) = delete;

  private:
    Ktx_Spread* ss_ = nullptr;
    bool wasOn_ = false;
};
