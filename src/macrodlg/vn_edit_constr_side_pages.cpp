// The geometry, variables and commands pages of the constraint editor.
#include "core.h"
#include "grid.h"
#include "path_translation.h"
#include "vn_edit_constr_pages.h"

namespace {

constexpr int kTextName = 797, kTextKind = 981, kTextFlexible = 892, kTextConstruction = 893;
constexpr int kTextValue = 86, kTextVarKind = 894, kTextInsert = 774, kTextDeleteRows = 775;
constexpr int kTextCommand10 = 898;
constexpr int kFlexibleColumn = 3, kConstructionColumn = 4;

// Command n's picture in the library's "icons\\" folder and its tooltip key (none for 10).
struct CommandLook {
    const char* bitmap;
    int tipKey;
};
constexpr CommandLook kCommandLooks[VnCommandsPage::kCommandCount] = {{"Parallel.bmp", 903},
                                                                      {"Perpendicular.bmp", 904},
                                                                      {"Coincident.bmp", 905},
                                                                      {"Symmetric.bmp", 906},
                                                                      {"Tangent.bmp", 907},
                                                                      {"Concentric.bmp", 908},
                                                                      {"EqualRadius.bmp", 909},
                                                                      {"Distance.bmp", 910},
                                                                      {"Angle.bmp", 911},
                                                                      {"Radius.bmp", 912},
                                                                      {nullptr, 0},
                                                                      {"AddModule.bmp", 913},
                                                                      {"BoltPattern.bmp", 914},
                                                                      {"CoordSys.bmp", 915}};

// The pages share one size; each is laid over the tab control's display area.
constexpr int kPageWidth = 288, kPageHeight = 160;

const DialogTemplateRegistration kGeomTemplate({VnGeomPage::kResourceId,
                                                "",
                                                kPageStyle,
                                                0,
                                                0,
                                                kPageWidth,
                                                kPageHeight,
                                                {{VnGeomPage::kGrid, WC_STATIC, WS_BORDER, 0, "", 5,
                                                  5, 278, 150}}});

const DialogTemplateRegistration kVarsTemplate(
    {VnVarsPage::kResourceId,
     "",
     kPageStyle,
     0,
     0,
     kPageWidth,
     kPageHeight,
     {{VnVarsPage::kGrid, WC_STATIC, WS_BORDER, 0, "", 5, 5, 278, 130},
      {VnVarsPage::kInsert, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Insert", 5, 140, 60, 14},
      {VnVarsPage::kDeleteRows, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, "Delete", 70, 140, 60,
       14}}});

std::vector<DialogControl> commandButtons() {
    std::vector<DialogControl> c;
    for (int n = 0; n < VnCommandsPage::kCommandCount; ++n) {
        c.push_back({VnCommandsPage::kFirstCommand + n, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0,
                     "", 5 + (n % 7) * 24, 5 + (n / 7) * 22, 20, 18});
    }
    return c;
}

const DialogTemplateRegistration kCommandsTemplate({VnCommandsPage::kResourceId, "", kPageStyle, 0,
                                                    0, kPageWidth, kPageHeight, commandButtons()});

bool setUpGrid(Ktx_Spread& spread, CWnd* page, int id, std::initializer_list<int> headerKeys) {
    if (!spread.create(page, id, true)) return false;
    spread.setDefaultLook(1);
    spread.setFitMode(SpreadFitMode::Equal);
    spread.setMaxCols(static_cast<int>(headerKeys.size()));
    Ktx_StringArray headers;
    for (int key : headerKeys) headers.append(dialString(key));
    spread.setColumnHeaders(headers);
    return true;
}

Ktx_String cellText(Ktx_Spread& spread, int col, int row) {
    Ktx_String text;
    spread.getCellText(col, row, text, CellTextKind::Data);
    return text;
}

}  // namespace

// ---- geometry ---------------------------------------------------------------------------

VnGeomPage::VnGeomPage(EditConstrData& data) : CDialog(kResourceId), data_(data) {
    onMessage(SSM_NOTIFY, [this](WPARAM w, LPARAM l) { return onGridNotify(w, l); });
}

BOOL VnGeomPage::OnInitDialog() {
    CDialog::OnInitDialog();
    setUpGrid(spread_, this, kGrid, {kTextName, kTextKind, kTextFlexible, kTextConstruction});
    fill();
    return TRUE;
}

void VnGeomPage::fill() {
    if (!spread_.isCreated()) return;
    const Ktx_ModuleDesign* m = data_.current();
    const int count = m ? static_cast<int>(m->geometry.size()) : 0;
    HWND h = spread_.gridWindow();
    spread_.setMaxRows(count);
    SSCellType check;
    SSSetTypeCheckBox(h, &check, 0, "", nullptr, nullptr);
    for (int i = 0; i < count; ++i) {
        const Ktx_GeomObject& g = m->geometry[static_cast<size_t>(i)];
        spread_.setRowTexts(
            i + 1, {Ktx_String(g.name), Ktx_String(g.kind), Ktx_String(g.flexible ? "1" : "0"),
                    Ktx_String(g.construction ? "1" : "0")});
    }
    if (count == 0) return;
    SSSetCellTypeRange(h, kFlexibleColumn, 1, kConstructionColumn, count, &check);
    SSSetLockRange(h, 1, 1, 2, count, true);
    spread_.fitColumns();
}

LRESULT VnGeomPage::onGridNotify(WPARAM, LPARAM lParam) {
    const auto* n = reinterpret_cast<const SSNotify*>(lParam);
    if (n == nullptr || n->row < 1) return 0;
    const int index = n->row - 1;
    if (n->code == SSN_ACTIVECELLCHANGED && n->row != n->row2) {
        HighlightObject(data_, index);
    } else if (n->code == SSN_CELLCHANGED) {
        const bool on = cellText(spread_, n->col, n->row).str() == "1";
        if (n->col == kFlexibleColumn) UpdateGeomFlexibility(data_, index, on);
        if (n->col == kConstructionColumn) UpdateConstrGeom(data_, index, on);
    }
    return 0;
}

void VnGeomPage::leave() {
    UnHighlightObject(data_);
    acedUpdateDisplay();
}

void VnGeomPage::OnDestroy() {
    leave();
    CDialog::OnDestroy();
}

// ---- variables and equations ------------------------------------------------------------

VnVarsPage::VnVarsPage(EditConstrData& data) : CDialog(kResourceId), data_(data) {
    onClicked(kInsert, [this] { insertRow(); });
    onClicked(kDeleteRows, [this] { deleteRows(); });
}

BOOL VnVarsPage::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(kInsert, dialString(kTextInsert).c_str());
    SetDlgItemText(kDeleteRows, dialString(kTextDeleteRows).c_str());
    setUpGrid(spread_, this, kGrid, {kTextName, kTextValue, kTextVarKind});
    fill();
    return TRUE;
}

void VnVarsPage::fill() {
    if (!spread_.isCreated()) return;
    const Ktx_ModuleDesign* m = data_.current();
    const int count = m ? static_cast<int>(m->varsEqs.size()) : 0;
    spread_.setMaxRows(count);
    for (int i = 0; i < count; ++i) {
        const Ktx_VarEq& v = m->varsEqs[static_cast<size_t>(i)];
        spread_.setRowTexts(
            i + 1, {Ktx_String(v.name), Ktx_String(macroNumberText(v.value)), Ktx_String(v.kind)});
    }
    spread_.fitColumns();
}

bool VnVarsPage::store() {
    if (!spread_.isCreated() || data_.current() == nullptr) return true;
    VnVarsEqsRows rows;
    for (int row = 1; row <= spread_.getMaxRows(); ++row) {
        rows.add(cellText(spread_, 1, row).str(), cellText(spread_, 2, row).str(),
                 cellText(spread_, 3, row).str());
    }
    return UpdateVarsEqs(data_, rows.names, rows.values, rows.kinds) == Acad::eOk;
}

void VnVarsPage::insertRow() {
    int col = 1;
    int row = 0;
    if (spread_.getMaxRows() > 0) spread_.getActiveCell(col, row);
    spread_.setMaxRows(spread_.getMaxRows() + 1);
    spread_.insertRow(row + 1);
    SSSetActiveCell(spread_.gridWindow(), col, row + 1);
}

void VnVarsPage::deleteRows() {
    if (spread_.getMaxRows() == 0) return;
    int col = 1;
    int row = 1;
    spread_.getActiveCell(col, row);
    SSDelRow(spread_.gridWindow(), row);
    spread_.setMaxRows(spread_.getMaxRows() - 1);
    SSSetActiveCell(spread_.gridWindow(), col, std::max(1, std::min(row, spread_.getMaxRows())));
}

// ---- commands ---------------------------------------------------------------------------

VnCommandsPage::VnCommandsPage(std::function<void(int)> run)
    : CDialog(kResourceId), run_(std::move(run)) {
    for (int n = 0; n < kCommandCount; ++n)
        onClicked(kFirstCommand + n, [this, n] {
            if (run_) run_(n);
        });
}

VnCommandsPage::~VnCommandsPage() {
    for (HBITMAP& picture : pictures_) {
        if (picture != nullptr) DeleteObject(picture);
        picture = nullptr;
    }
}

BOOL VnCommandsPage::OnInitDialog() {
    CDialog::OnInitDialog();
    tips_.Create(this);
    for (int n = 0; n < kCommandCount; ++n) {
        CWnd* button = GetDlgItem(kFirstCommand + n);
        const CommandLook& look = kCommandLooks[n];
        if (button == nullptr) continue;
        if (look.bitmap == nullptr) {
            button->SetWindowText(dialString(kTextCommand10).c_str());
            continue;
        }
        tips_.AddTool(button, dialString(look.tipKey).c_str());
        const Ktx_String file = gSettings.libDir + "icons\\" + look.bitmap;
        pictures_[n] = static_cast<HBITMAP>(
            LoadImage(nullptr, hostPath(file).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        if (pictures_[n] == nullptr) continue;
        button->ModifyStyle(0, BS_BITMAP);
        button->SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_[n]));
    }
    return TRUE;
}
