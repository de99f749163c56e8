#include "vn_standards_dlg.h"

#include "calc_timers.h"
#include "vn_calc_lap.h"
#include "vn_ss_dlgs_mgr.h"
#include "vn_standards_dlg_nesting.h"

namespace {

// Resource 253: "Dialog", 260 x 207 dialog units, OK, Cancel and the placeholder the grid
// takes over. The window is never shown.
const DialogTemplateRegistration kTemplate(DialogTemplate(
    VnStandardsDlg::IDD, "Dialog", kDialogStyle, 0, 0, 260, 207,
    {DialogControl(IDOK, "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 203, 7, 50, 14),
     DialogControl(IDCANCEL, "BUTTON", WS_TABSTOP, 0, "Cancel", 203, 24, 50, 14),
     DialogControl(VnStandardsDlg::kGridPlaceholder, "STATIC", 0, 0, "", 7, 7, 189, 193)}));

}  // namespace

VnStandardsDlg::VnStandardsDlg() : CDialog(IDD, nullptr) {}

VnStandardsDlg::~VnStandardsDlg() {
    if (GetSafeHwnd() != nullptr) DestroyWindow();
}

bool VnStandardsDlg::createHidden() {
    return Create(IDD, CWnd::FromHandle(adsw_acadMainWnd())) != FALSE && spread.isCreated();
}

BOOL VnStandardsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    spread.create(this, kGridPlaceholder, false);
    return TRUE;
}

Acad::ErrorStatus VnStandardsDlg::evaluate() {
    const Ktx_String path = VnStandardsSpread::standardFilePath(data.fileName);
    VnCalcLap load(gLoadFile, path);
    if (spread.loadStandardFile(path) != Acad::eOk) return Acad::eInvalidInput;
    load.done();
    if (data.evalMode == 1) {
        if (spread.prepareAsChild(data) != Acad::eOk) return Acad::eInvalidInput;
        return spread.calcAsChild(data);
    }
    // Nothing but this evaluation holds the macro between reading and writing it.
    if (spread.prepareForMacro(data) != Acad::eOk ||
        spread.calcForMacro(data, VnMacroShape::UnchangedSinceRead) != Acad::eOk)
        return Acad::eInvalidInput;
    // The evaluated cells go to the data without a copy; the host's cells are filled anew
    // from the declarations by the next evaluation before anything reads them.
    std::swap(data.varCells, spread.varCells);
    return Acad::eOk;
}

namespace {

// Evaluates in a pooled host the data copied in, or moved in when the caller has no use for
// it after a failure.
bool evaluatePooled(VnDlgStandardsData& data, bool moveIn) {
    auto* dialog = static_cast<VnStandardsDlg*>(gSSDlgsMgr.getDlg());
    if (dialog == nullptr) return false;
    VnStandardsNesting::Level level;
    if (moveIn)
        dialog->data = std::move(data);
    else
        dialog->data = data;
    const bool ok = dialog->evaluate() == Acad::eOk;
    if (ok) data = std::move(dialog->data);  // the next evaluation copies its data in anew
    gSSDlgsMgr.releaseDlg(dialog);
    return ok;
}

}  // namespace

bool StartDlgStandardsSS(VnDlgStandardsData& data) {
    return evaluatePooled(data, false);
}

bool StartDlgStandardsSSMovingData(VnDlgStandardsData& data) {
    return evaluatePooled(data, true);
}

bool StartDlgStandardsSStest() {
    VnDlgStandardsData data;
    data.evalMode = 1;
    data.fileName = "c:\\a\\a\\a\\test.vns";
    const struct {
        const char* name;
        VnCellType type;
        const char* value;
    } cells[] = {{"Column", VnCellInput, "IPE-200"},
                 {"Thickness", VnCellInput, "10"},
                 {"Width", VnCellOutput, "212"},
                 {"Length", VnCellOutput, "356"}};
    for (const auto& c : cells) {
        VnVarCell cell;
        cell.name = c.name;
        cell.cellType = c.type;
        cell.value = c.value;
        data.varCells.append(cell);
    }
    return StartDlgStandardsSS(data);
}
