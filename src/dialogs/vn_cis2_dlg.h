#pragma once
// The CIS/2 information dialog (resource 254): the choices asked before a CIS/2 exchange, and
// a button that opens the translation table of section names ("CIS2ProfNames.dat" in the
// library folder) in the Core library's table editor, which writes the table itself.
//
// VnDlgCis2Data holds the five choices. Radio 1420 (mode1) takes the defaults; radio 1421
// enables the four dependent choices. Switching between the radios only enables and disables
// those controls; their states are kept. The dialog edits its copy; OK hands it back.
#include "vn_bound_dialog.h"

class VnDlgCis2Data {
  public:
    VnDlgCis2Data() = default;
    VnDlgCis2Data(const VnDlgCis2Data&) = default;
    VnDlgCis2Data& operator=(const VnDlgCis2Data&) = default;
    virtual ~VnDlgCis2Data() = default;

    bool mode1 = true;          // radio 1420 (true) or 1421 (false)
    bool option1 = true;        // check box 1424
    bool alternative2 = false;  // radio 1428 (true) or 1426 (false)
    bool option2 = false;       // check box 1425
    bool option3 = false;       // check box 1427

    // The dependent controls are enabled exactly when mode1 is off.
    bool dependentsEnabled() const { return !mode1; }
};

class VnCis2Dlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 254;
    static constexpr const char* kTableFile = "CIS2ProfNames.dat";
    enum ControlId : int {
        kMode1 = 1420,
        kMode2 = 1421,
        kInfo = 1422,
        kTable = 1423,
        kOption1 = 1424,
        kOption2 = 1425,
        kAlternative1 = 1426,
        kOption3 = 1427,
        kAlternative2 = 1428,
    };

    explicit VnCis2Dlg(VnDlgCis2Data& data, CWnd* parent = nullptr);
    BOOL OnInitDialog() override;

  private:
    void editTable();

    VnDlgCis2Data& data_;
};

bool StartDlgCis2Info(VnDlgCis2Data& data);
