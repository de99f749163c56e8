#pragma once
// VnStandardsDlg: the hidden host of one standards evaluation, a dialog (resource 253) that
// holds the grid of the standard (VnStandardsSpread) and the evaluation's parameter block. It
// is created modeless and never shown; the pool gSSDlgsMgr owns it between evaluations.
//
// StartDlgStandardsSS takes a host from the pool, copies the caller's data into it, evaluates
// and, only on success, copies the host's data back; the host always goes back to the pool.
// So a failed evaluation leaves the caller's data untouched.
#include "vn_dlg_standards_data.h"
#include "vn_standards_spread.h"
#include "win.h"

class VnStandardsDlg : public CDialog {
  public:
    enum { IDD = 253, kGridPlaceholder = 1196 };

    VnStandardsDlg();
    ~VnStandardsDlg() override;

    // Creates the hidden window (owned by the CAD host's main window) with its grid.
    bool createHidden();
    BOOL OnInitDialog() override;

    // Evaluates the standard named by `data` (copied in before): loads the file, then mode 0
    // (for a macro) or mode 1 (as a child). eInvalidInput when any step fails.
    Acad::ErrorStatus evaluate();

    VnStandardsSpread spread;
    VnDlgStandardsData data;
};

// Evaluates a standard in a pooled host; true on success (data then holds the result).
bool StartDlgStandardsSS(VnDlgStandardsData& data);
// The same with the caller's data moved into the host: after a failure it is left empty (for
// callers that drop it then, such as a child standard's call).
bool StartDlgStandardsSSMovingData(VnDlgStandardsData& data);
// A developer's check: a child evaluation of "c:\a\a\a\test.vns" with four variables.
bool StartDlgStandardsSStest();
