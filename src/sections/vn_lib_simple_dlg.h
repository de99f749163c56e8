#pragma once
// The simple size dialog (resource 226): adds one size to a section table from its
// dimensions. A thin dialog over VnLibSimpleModel: the name field with the automatic and typed
// name buttons, the section type's picture, and up to eleven labelled value fields.
#include "cstatic.h"
#include "vn_bound_dialog.h"
#include "vn_lib_simple_model.h"

class VnLibSimpleDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 226;
    static constexpr int kName = 1000;
    static constexpr int kNameLabel = 1123;
    static constexpr int kPicture = 1294;
    static constexpr int kFirstLabel = 1299;  // labels 1299, 1301 ... 1319
    static constexpr int kFirstField = 1300;  // fields 1300, 1302 ... 1320
    static constexpr int kAutomatic = 1358;
    static constexpr int kTyped = 1359;
    static constexpr int kNameGroup = 1360;

    explicit VnLibSimpleDlg(VnLibSimpleModel& model, CWnd* parent = nullptr);
    ~VnLibSimpleDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The row of the added size, after OK.
    int newRow() const { return newRow_; }

  private:
    void bindControls();
    void showPicture();

    VnLibSimpleModel& model_;
    CStatic picture_;
    HBITMAP bitmap_ = nullptr;
    int newRow_ = -1;
};

// Adds a size to table, with the row of templateSysName as template. On OK the table is
// replaced by the edited copy, newRow gets the new size's row and the result is true.
bool StartDlgEditLibSimple(const Ktx_String& templateSysName, Ktx_ProfValuesTable& table,
                           int& newRow);
