#pragma once
// Ktx_SpreadDlgModel: what the "Formulas" dialog shows and its rules, without a window: the
// file name of the edit field, the grid's reference style and automatic calculation.
// "Recalculate" is offered only while automatic calculation is off.
#include "ktx_string.h"

class Ktx_SpreadDlgModel {
  public:
    enum class RefStyle { Default, A1, R1C1 };

    Ktx_String fileName;
    RefStyle refStyle = RefStyle::Default;
    bool autoCalculate = false;

    bool canRecalculate() const { return !autoCalculate; }
    // The grid's code of the reference style (SS_REFSTYLE_...).
    int gridRefStyle() const;
    // The start of the test modes: default style, automatic calculation off.
    void resetToTestStart();
};
