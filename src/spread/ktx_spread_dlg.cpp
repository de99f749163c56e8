#include "ktx_spread_dlg.h"

#include <string>

#include "acad.h"
#include "from_table.h"
#include "grid.h"
#include "path_translation.h"
#include "win.h"

namespace {

using D = Ktx_SpreadDlg;

const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "Formulas",
     kDialogStyle,
     0,
     0,
     400,
     260,
     {
         {D::kFileName, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 7, 7, 250, 14},
         {D::kSaveToFile, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Save to File", 262, 7, 62, 14},
         {D::kLoadFromFile, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Load from File", 328, 7, 65,
          14},
         {-1, WC_BUTTON, BS_GROUPBOX, 0, "Style", 7, 26, 170, 24},
         {D::kStyleDefault, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, "&Default",
          13, 37, 50, 10},
         {D::kStyleA1, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "&A1", 68, 37, 40, 10},
         {D::kStyleR1C1, WC_BUTTON, BS_AUTORADIOBUTTON, 0, "&R1C1", 113, 37, 50, 10},
         {D::kAutoCalculate, WC_BUTTON, BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 0,
          "Auto calculate", 190, 37, 70, 10},
         {D::kRecalculate, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Recalculate", 266, 34, 60,
          14},
         {D::kGrid, WC_STATIC, WS_BORDER, 0, "", 7, 56, 386, 176},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 288, 239, 50, 14},
         {IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Cancel", 343, 239, 50, 14},
     }});

constexpr int kOptionGridTwelve = 12;
constexpr int kTestRows = 10;
constexpr int kTestCols = 8;
constexpr int kTestNumberCells = 6;  // A1 to F6
constexpr double kTestNumberLimit = 9999.0;

}  // namespace

Ktx_SpreadDlg::Ktx_SpreadDlg(int mode, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), mode_(mode) {
    bindControls();
}

void Ktx_SpreadDlg::bindControls() {
    using Style = Ktx_SpreadDlgModel::RefStyle;
    Ktx_SpreadDlgModel& m = model_;
    auto styleRadio = [&m](int control, Style style) {
        return VnBinding::radio(
            control, [&m, style] { return m.refStyle == style; },
            [&m, style] { m.refStyle = style; });
    };
    bind({
        VnBinding::textField(
            kFileName, [&m] { return std::string(m.fileName.c_str()); },
            [&m](const std::string& text) { m.fileName = Ktx_String(text); }),
        VnBinding::button(kSaveToFile, [this] { onSave(); }),
        VnBinding::button(kLoadFromFile, [this] { onLoad(); }),
        styleRadio(kStyleDefault, Style::Default),
        styleRadio(kStyleA1, Style::A1),
        styleRadio(kStyleR1C1, Style::R1C1),
        VnBinding::checkBox(
            kAutoCalculate, [&m] { return m.autoCalculate; },
            [&m](bool on) { m.autoCalculate = on; }),
        VnBinding::button(kRecalculate, [this] { SSReCalc(spread_.gridWindow()); })
            .enabledWhen([&m] { return m.canRecalculate(); }),
    });
}

Ktx_SpreadDlg::~Ktx_SpreadDlg() {
    current_.reset();
}

void Ktx_SpreadDlg::setEvaluateCell(int col, int row) {
    evaluateCol_ = col;
    evaluateRow_ = row;
}

void Ktx_SpreadDlg::setReadTargets(Ktx_String* firstCell, Ktx_StringArray* headers,
                                   Ktx_Array<Ktx_StringArray>* rows) {
    firstCellTarget_ = firstCell;
    headersTarget_ = headers;
    rowsTarget_ = rows;
}

BOOL Ktx_SpreadDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    SetForegroundWindow();
    if (!spread_.create(this, kGrid, false)) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    SSSetBool(spread_.gridWindow(), kOptionGridTwelve, true);
    SSSetBool(spread_.gridWindow(), SSB_AUTOCALC, false);
    if (mode_ == ModeReadFile) {
        readFileIntoTargets();
        return TRUE;
    }
    prepareTestGrid();
    if (mode_ == ModeEvaluate) {
        SSReCalcCell(spread_.gridWindow(), evaluateCol_, evaluateRow_);
        spread_.getCellText(evaluateCol_, evaluateRow_, evaluatedText_, CellTextKind::Data);
    } else if (mode_ == ModeFromTable) {
        lookUpFromTable(spread_, call_);
        current_.reset();
        EndDialog(IDOK);
    }
    return TRUE;
}

void Ktx_SpreadDlg::OnDestroy() {
    current_.reset();
    CDialog::OnDestroy();
}

// The start of modes 0, 1 and 2: a 10 x 8 grid whose cells A1 to F6 take numbers with two
// decimals, the file of the edit field loaded, FROMTABLE registered, and this grid current.
void Ktx_SpreadDlg::prepareTestGrid() {
    HWND h = spread_.gridWindow();
    spread_.setMaxRows(kTestRows);
    spread_.setMaxCols(kTestCols);
    SSCellType number;
    SSSetTypeNumber(h, &number, 0, 2, -kTestNumberLimit, kTestNumberLimit);
    SSSetCellTypeRange(h, 1, 1, kTestNumberCells, kTestNumberCells, &number);
    model_.resetToTestStart();
    refresh();
    const Ktx_String name = model_.fileName;
    if (!name.isEmpty()) {
        acutPrintf("Loading spreadsheet:%s\n", name.c_str());
        if (!loadFile(name)) acutPrintf("Load failed\n");
    }
    registerFromTable(spread_);
    current_.emplace(&spread_);
}

bool Ktx_SpreadDlg::loadFile(const Ktx_String& name) {
    return SSLoadFromFile(spread_.gridWindow(), hostPath(name).c_str());
}

// Mode 4: the file's first cell, its column headers and the data texts of every row.
void Ktx_SpreadDlg::readFileIntoTargets() {
    if (!loadFile(model_.fileName)) {
        acutPrintf("Load failed\n");
        EndDialog(IDCANCEL);
        return;
    }
    if (firstCellTarget_) spread_.getCellText(1, 1, *firstCellTarget_, CellTextKind::Data);
    if (headersTarget_) spread_.getColumnHeaders(*headersTarget_);
    const int cols = spread_.getMaxCols();
    for (int row = 1; rowsTarget_ && row <= spread_.getMaxRows(); ++row) {
        Ktx_StringArray texts;
        Ktx_String text;
        for (int col = 1; col <= cols; ++col) {
            spread_.getCellText(col, row, text, CellTextKind::Data);
            texts.append(text);
        }
        rowsTarget_->append(texts);
    }
    EndDialog(IDOK);
}

void Ktx_SpreadDlg::onSave() {
    const std::string path = hostPath(model_.fileName);
    if (!SSSaveToFile(spread_.gridWindow(), path.c_str(), false)) acutPrintf("Save failed\n");
}

void Ktx_SpreadDlg::onLoad() {
    if (!loadFile(model_.fileName)) acutPrintf("Load failed\n");
    registerFromTable(spread_);
}

// The grid follows the model's reference style and automatic calculation.
void Ktx_SpreadDlg::onModelChanged() {
    if (!spread_.gridWindow()) return;
    SSSetRefStyle(spread_.gridWindow(), model_.gridRefStyle());
    SSSetBool(spread_.gridWindow(), SSB_AUTOCALC, model_.autoCalculate);
}
