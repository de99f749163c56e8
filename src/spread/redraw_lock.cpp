#include "redraw_lock.h"

#include "grid.h"
#include "ktx_spread.h"

// The lock puts back the state it found rather than forcing redrawing on, so that nested
// bulk writes (a fit inside a fill) still redraw once, when the outermost lock ends.
RedrawLock::RedrawLock(Ktx_Spread* ss) : ss_(ss) {
    if (ss_ && ss_->gridWindow()) wasOn_ = SSSetBool(ss_->gridWindow(), SSB_REDRAW, false);
}

RedrawLock::~RedrawLock() {
    if (ss_ && ss_->gridWindow() && wasOn_) SSSetBool(ss_->gridWindow(), SSB_REDRAW, true);
}
