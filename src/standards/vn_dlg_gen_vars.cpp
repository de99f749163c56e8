#include "vn_dlg_gen_vars.h"

#include "acad.h"
#include "dial_string.h"
#include "dialog_scope.h"
#include "dlg_open_save.h"
#include "dlg_size.h"
#include "grid.h"
#include "ktx_settings.h"
#include "vn_gen_vars_tables.h"
#include "win.h"

namespace {

using D = VnDlgGenVars;

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kIconButton = BS_PUSHBUTTON | BS_ICON | WS_TABSTOP;
constexpr int kGridLook = 1;
constexpr int kFitColumn[2] = {4, 5};
constexpr int kFitWidth = 16;
constexpr int kOptionFour = 4;
constexpr int kUpIcon = 257;
constexpr int kDownIcon = 258;
constexpr int kUpTip = 173;
constexpr int kDownTip = 174;
const char* const kSizeName = "DLG_GENVARS";

// One table's group box, grid placeholder and buttons, `top` dialog units down.
std::vector<DialogControl> tableControls(int group, const char* title, int gridId,
                                         const int (&buttons)[4], int top) {
    return {{group, WC_BUTTON, BS_GROUPBOX, 0, title, 7, top, 316, 132},
            {gridId, WC_STATIC, WS_BORDER, 0, "", 14, top + 13, 258, 100},
            {buttons[0], WC_BUTTON, kButton, 0, "Add", 278, top + 13, 38, 14},
            {buttons[1], WC_BUTTON, kButton, 0, "Remove", 278, top + 31, 38, 14},
            {buttons[2], WC_BUTTON, kIconButton, 0, "Up", 278, top + 53, 18, 14},
            {buttons[3], WC_BUTTON, kIconButton, 0, "Down", 298, top + 53, 18, 14}};
}

std::vector<DialogControl> dialogControls() {
    std::vector<DialogControl> controls = tableControls(
        D::kGroup1, "General variables", D::kGrid1, {D::kAdd1, D::kRemove1, D::kUp1, D::kDown1}, 7);
    for (DialogControl& c : tableControls(D::kGroup2, "General variables of modules", D::kGrid2,
                                          {D::kAdd2, D::kRemove2, D::kUp2, D::kDown2}, 144)) {
        controls.push_back(c);
    }
    controls.push_back({IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 218, 281, 50, 14});
    controls.push_back({IDCANCEL, WC_BUTTON, kButton, 0, "Cancel", 273, 281, 50, 14});
    return controls;
}

const DialogTemplateRegistration kTemplate({D::kResourceId, "General variables",
                                            kDialogStyle | WS_THICKFRAME, 0, 0, 330, 300,
                                            dialogControls()});

// The image buttons: control, icon, tooltip key.
struct ImageButton {
    int id;
    int icon;
    int tip;
};
constexpr ImageButton kImageButtons[4] = {{D::kUp1, kUpIcon, kUpTip},
                                          {D::kDown1, kDownIcon, kDownTip},
                                          {D::kUp2, kUpIcon, kUpTip},
                                          {D::kDown2, kDownIcon, kDownTip}};

}  // namespace

VnDlgGenVars::VnDlgGenVars(VnAutoStandardsData& data, CWnd* parent)
    : VnBoundDialog(kResourceId, parent), data_(data) {
    bind({
        VnBinding::label(kGroup1, 1762),
        VnBinding::label(kGroup2, 1763),
        VnBinding::button(kAdd1, [this] { addRow(0); }).caption(606),
        VnBinding::button(kRemove1, [this] { rowCommand(0, &Ktx_Spread::deleteSelectedRow); })
            .caption(607),
        VnBinding::button(kUp1, [this] { rowCommand(0, &Ktx_Spread::moveRowUp); }),
        VnBinding::button(kDown1, [this] { rowCommand(0, &Ktx_Spread::moveRowDown); }),
        VnBinding::button(kAdd2, [this] { addRow(1); }).caption(606),
        VnBinding::button(kRemove2, [this] { rowCommand(1, &Ktx_Spread::deleteSelectedRow); })
            .caption(607),
        VnBinding::button(kUp2, [this] { rowCommand(1, &Ktx_Spread::moveRowUp); }),
        VnBinding::button(kDown2, [this] { rowCommand(1, &Ktx_Spread::moveRowDown); }),
        VnBinding::label(IDOK, 1),
        VnBinding::label(IDCANCEL, 2),
    });
    onMessage(SSM_NOTIFY, [this](WPARAM w, LPARAM l) { return onGridNotify(w, l); });
}

VnDlgGenVars::~VnDlgGenVars() = default;

BOOL VnDlgGenVars::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    SetWindowText(dialString(1764).c_str());
    CSize designed(50, 50);
    getDlgSize(this, designed);
    resizer_.SetMinTrackSize(designed);
    resizer_.Init(this, {{kGroup1, CResizer::kTopLeftRight},
                         {kGrid1, CResizer::kTopLeftRight},
                         {kAdd1, CResizer::kTopRight},
                         {kRemove1, CResizer::kTopRight},
                         {kUp1, CResizer::kTopRight},
                         {kDown1, CResizer::kTopRight},
                         {kGroup2, CResizer::kAll},
                         {kGrid2, CResizer::kAll},
                         {kAdd2, CResizer::kTopRight},
                         {kRemove2, CResizer::kTopRight},
                         {kUp2, CResizer::kTopRight},
                         {kDown2, CResizer::kTopRight},
                         {IDOK, CResizer::kBottomRight},
                         {IDCANCEL, CResizer::kBottomRight}});
    ChangeDlgSize(this, kSizeName);
    createGrid(0);
    createGrid(1);
    setUpButtons();
    fillTable(0);
    fillTable(1);
    return TRUE;
}

void VnDlgGenVars::createGrid(int table) {
    Ktx_Spread& g = grid(table);
    if (!g.create(this, vnGenVarsTable(table).gridId, true)) return;
    g.setDefaultLook(kGridLook);
    g.setFitMode(SpreadFitMode::OneColumn, kFitColumn[table], kFitWidth);
}

void VnDlgGenVars::setUpButtons() {
    for (int i = 0; i < 4; ++i) {
        images_[i].SubclassDlgItem(kImageButtons[i].id, this);
        images_[i].SetIcon(kImageButtons[i].icon);
        images_[i].SetTooltipText(dialString(kImageButtons[i].tip));
    }
}

void VnDlgGenVars::fillTable(int table) {
    Ktx_Spread& g = grid(table);
    const VnGenVarsTable& layout = vnGenVarsTable(table);
    SSSetBool(g.gridWindow(), kOptionFour, false);
    g.setMaxCols(layout.columnCount());
    Ktx_StringArray headers;
    for (int key : layout.headerKeys) headers.append(dialString(key));
    headers.append(Ktx_String());
    g.setColumnHeaders(headers);
    g.setMaxRows(vnGenVarsShownRows(data_, table));
    const std::vector<Ktx_StringArray*> columns = vnGenVarsColumns(data_, table);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        g.setColumnTexts(c + 1, *columns[c], false);
    }
    refreshTable(table);
}

void VnDlgGenVars::refreshTable(int table) {
    Ktx_Spread& g = grid(table);
    if (!g.isCreated()) return;
    g.removeAllSpans();
    g.mergeEqualCells(1);
    SSCellType button;
    SSSetTypeButton(g.gridWindow(), &button, 0, "...");
    const int col = vnGenVarsTable(table).buttonColumn();
    SSSetCellTypeRange(g.gridWindow(), col, 1, col, SS_ALLROWS, &button);
}

void VnDlgGenVars::addRow(int table) {
    Ktx_Spread& g = grid(table);
    g.insertRow(g.getSelectionRow(), false, false);
    refreshTable(table);
}

void VnDlgGenVars::rowCommand(int table, bool (Ktx_Spread::*change)()) {
    (grid(table).*change)();
    refreshTable(table);
}

void VnDlgGenVars::chooseDrawings(int table, int row) {
    const Ktx_String folder = gSettings.libDir + "Macros\\";
    Ktx_StringArray chosen;
    if (!DlgOpenMulti(folder, "AutoCAD Drawing", "dwg",
                      "Select the drawings and folders that apply to this general variable", chosen,
                      this)) {
        return;
    }
    Ktx_Spread& g = grid(table);
    const int col = vnGenVarsTable(table).listColumn();
    Ktx_String list;
    g.getCellText(col, row, list, CellTextKind::Data);
    g.setCellText(col, row, vnGenVarsAddChosen(list, chosen, folder), false);
}

LRESULT VnDlgGenVars::onGridNotify(WPARAM wParam, LPARAM lParam) {
    const auto* n = reinterpret_cast<const SSNotify*>(lParam);
    if (n == nullptr || n->code != SSN_BUTTONCLICKED) return 0;
    for (int table = 0; table < 2; ++table) {
        const VnGenVarsTable& layout = vnGenVarsTable(table);
        if (static_cast<int>(wParam) == layout.gridId && n->col == layout.buttonColumn()) {
            chooseDrawings(table, n->row);
        }
    }
    return 0;
}

void VnDlgGenVars::OnOK() {
    for (int table = 0; table < 2; ++table) {
        const std::vector<Ktx_StringArray*> columns = vnGenVarsColumns(data_, table);
        for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
            grid(table).getColumnTexts(c + 1, *columns[c], CellTextKind::Data);
        }
    }
    VnBoundDialog::OnOK();
}

void VnDlgGenVars::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    VnBoundDialog::OnDestroy();
}

void VnDlgGenVars::OnSize(UINT type, int cx, int cy) {
    VnBoundDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

void VnDlgGenVars::OnGetMinMaxInfo(MINMAXINFO* info) {
    VnBoundDialog::OnGetMinMaxInfo(info);
    resizer_.OnGetMinMaxInfo(info);
}

bool StartDlgGenVars(VnAutoStandardsData& data) {
    return runDialogOnCopy<VnDlgGenVars>(data);
}
