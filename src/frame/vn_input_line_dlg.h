#pragma once
// The module's one-line input dialog (resource 8069): a caption, a prompt, one edit field,
// OK and Cancel (texts 1 and 2). StartDlgInputLine works on a copy of the data and gives the
// typed text back only when the user confirmed with OK.
#include "ktx_string.h"
#include "vn_bound_dialog.h"

struct VnInputLineData {
    Ktx_String caption;
    Ktx_String prompt;
    Ktx_String text;  // shown at the start, the typed text afterwards
};

class VnInputLineDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 8069;
    enum ControlId : int { kPrompt = 1000, kText = 1001 };

    explicit VnInputLineDlg(const VnInputLineData& data, CWnd* parent = nullptr);

    const VnInputLineData& data() const { return data_; }
    BOOL OnInitDialog() override;

  private:
    VnInputLineData data_;
};

bool StartDlgInputLine(VnInputLineData& data, CWnd* parent = nullptr);
