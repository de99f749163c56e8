#pragma once
// Ktx_SpreadDlg: the "Formulas" dialog (resource 133) that hosts one grid. It serves as an
// interactive formula tester, and as the hidden host in which a spreadsheet file is loaded
// to be evaluated (mode 1), looked up by FROMTABLE (mode 2) or read into arrays (mode 4).
//
// While the dialog is open its grid is currentSpread; the previous grid is current again
// when the dialog's window goes, on every path. Modes 2 and 4 do their work during
// initialisation and close themselves (mode 4: IDOK when the file was read, IDCANCEL when
// it could not be loaded). File names are the module's (Windows) names; they are
// translated to this machine's paths when loaded or saved.
//
// A thin dialog (vn_bound_dialog.h): the file name, reference style and automatic
// calculation live in its model; the binding table connects them to the controls.
#include <optional>

#include "current_spread.h"
#include "from_table_lookup.h"
#include "ktx_spread.h"
#include "ktx_spread_dlg_model.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "vn_bound_dialog.h"
#include "win.h"

class Ktx_SpreadDlg : public VnBoundDialog {
  public:
    static constexpr UINT kResourceId = 133;
    enum Mode : int { ModeTest = 0, ModeEvaluate = 1, ModeFromTable = 2, ModeReadFile = 4 };
    enum ControlId : int {
        kFileName = 1000,
        kSaveToFile = 1001,
        kGrid = 1004,
        kStyleDefault = 1005,
        kStyleA1 = 1006,
        kStyleR1C1 = 1007,
        kLoadFromFile = 1087,
        kAutoCalculate = 1106,
        kRecalculate = 1107,
    };

    explicit Ktx_SpreadDlg(int mode = ModeTest, CWnd* parent = nullptr);
    ~Ktx_SpreadDlg() override;

    int mode() const { return mode_; }
    void setFileName(const Ktx_String& name) { model_.fileName = name; }
    const Ktx_SpreadDlgModel& model() const { return model_; }
    // Mode 1: the cell to recalculate and read (default 1,1), and its data text afterwards.
    void setEvaluateCell(int col, int row);
    const Ktx_String& evaluatedText() const { return evaluatedText_; }
    // Mode 2: the custom-function call to serve.
    void setFromTableCall(const FromTableCall& call) { call_ = call; }
    // Mode 4: where the file's first cell, column headers and rows go (any may be null).
    void setReadTargets(Ktx_String* firstCell, Ktx_StringArray* headers,
                        Ktx_Array<Ktx_StringArray>* rows);
    Ktx_Spread& spread() { return spread_; }

    BOOL OnInitDialog() override;
    void OnDestroy() override;

  protected:
    void onModelChanged() override;

  private:
    void bindControls();
    void prepareTestGrid();
    bool loadFile(const Ktx_String& name);
    void readFileIntoTargets();
    void onSave();
    void onLoad();

    int mode_ = ModeTest;
    Ktx_SpreadDlgModel model_;
    int evaluateCol_ = 1;
    int evaluateRow_ = 1;
    Ktx_String evaluatedText_;
    FromTableCall call_;
    Ktx_String* firstCellTarget_ = nullptr;
    Ktx_StringArray* headersTarget_ = nullptr;
    Ktx_Array<Ktx_StringArray>* rowsTarget_ = nullptr;
    Ktx_Spread spread_;
    std::optional<CurrentSpreadScope> current_;
};
