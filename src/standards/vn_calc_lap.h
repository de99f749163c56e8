#pragma once
// One lap of an evaluation timer around one step: started on construction, ended (and
// counted) by done() when the step succeeded. A lap destroyed without done() is a failed step:
// its timer is abandoned (left marked running, see Ktx_Timer) and the step is added to the
// current evaluation report with the standard being evaluated.
#include <string>

#include "ktx_string.h"
#include "ktx_timer.h"

class VnCalcLap {
  public:
    VnCalcLap(Ktx_Timer& timer, const Ktx_String& file) : timer_(timer), file_(file) {
        timer_.start();
    }
    ~VnCalcLap();
    VnCalcLap(const VnCalcLap&) = delete;
    VnCalcLap& operator=(const VnCalcLap&) = delete;

    void done() {
        if (!done_) timer_.end();
        done_ = true;
    }

  private:
    Ktx_Timer& timer_;
    const Ktx_String& file_;
    bool done_ = false;
};
