#include "vn_cutting_stock_dlg.h"

#include <string>

#include "dial_string.h"
#include "dialog_scope.h"
#include "dlg_controls.h"
#include "dlg_info.h"
#include "dlg_size.h"
#include "icon_buttons.h"
#include "resizer.h"
#include "vn_input_line_dlg.h"
#include "win.h"

namespace {

using D = VnCuttingStockDlg;

// Texts of the dialog (dialString keys).
constexpr int kTextTitle = 620, kTextEntry = 621, kTextNewEntry = 622, kTextDeleteEntry = 623;
constexpr int kTextFirst = 624, kTextList = 625, kTextShop = 626, kTextBuy = 627;
constexpr int kTextSaveAll = 628, kTextLoadNewest = 629, kTextAskEach = 630;
constexpr int kTextNewCaption = 631, kTextNewPrompt = 632, kTextNewDefault = 171;
constexpr int kTextAddRow = 616, kTextDeleteRow = 617, kTextOpen = 618, kTextSave = 619;
constexpr int kTextOk = 1, kTextCancel = 2;
// Icons of the small buttons.
constexpr UINT kIconAdd = 212, kIconDelete = 206, kIconOpen = 232, kIconSave = 233;
// Used when no size can be read from the opened dialog.
constexpr int kFallbackMinWidth = 200, kFallbackMinHeight = 130;

constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kGroup = BS_GROUPBOX;

// Three columns of tables, each a group with its grid and the small buttons below.
const DialogTemplateRegistration kTemplate(
    {D::kResourceId,
     "Cutting stock",
     kDialogStyle | WS_THICKFRAME,
     0,
     0,
     408,
     230,
     {
         {D::kEntryLabel, WC_STATIC, SS_LEFT, 0, "Entry:", 7, 9, 36, 8},
         {D::kEntryList, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 45, 7, 150,
          100},
         {D::kNewEntry, WC_BUTTON, kPush, 0, "New entry", 200, 6, 70, 14},
         {D::kDeleteEntry, WC_BUTTON, kPush, 0, "Delete entry", 274, 6, 70, 14},
         {D::kFirstLabel, WC_BUTTON, kGroup, 0, "Parts to cut", 7, 26, 128, 176},
         {D::kListLabel, WC_STATIC, SS_LEFT, 0, "Cutting list", 12, 37, 118, 8},
         {D::kFirstGrid, WC_STATIC, WS_BORDER, 0, "", 12, 47, 118, 130},
         {D::kAddFirstRow, WC_BUTTON, kPush, 0, "+", 12, 182, 18, 14},
         {D::kDeleteFirstRow, WC_BUTTON, kPush, 0, "-", 32, 182, 18, 14},
         {D::kShopLabel, WC_BUTTON, kGroup, 0, "Shop lengths", 140, 26, 128, 176},
         {D::kShopGrid, WC_STATIC, WS_BORDER, 0, "", 145, 37, 118, 140},
         {D::kAddShopRow, WC_BUTTON, kPush, 0, "+", 145, 182, 18, 14},
         {D::kDeleteShopRow, WC_BUTTON, kPush, 0, "-", 165, 182, 18, 14},
         {D::kOpenShop, WC_BUTTON, kPush, 0, "Open", 205, 182, 28, 14},
         {D::kSaveShop, WC_BUTTON, kPush, 0, "Save", 235, 182, 28, 14},
         {D::kBuyLabel, WC_BUTTON, kGroup, 0, "Buy lengths", 273, 26, 128, 176},
         {D::kBuyGrid, WC_STATIC, WS_BORDER, 0, "", 278, 37, 118, 140},
         {D::kAddBuyRow, WC_BUTTON, kPush, 0, "+", 278, 182, 18, 14},
         {D::kDeleteBuyRow, WC_BUTTON, kPush, 0, "-", 298, 182, 18, 14},
         {D::kOpenBuy, WC_BUTTON, kPush, 0, "Open", 338, 182, 28, 14},
         {D::kSaveBuy, WC_BUTTON, kPush, 0, "Save", 368, 182, 28, 14},
         {D::kBatch, WC_BUTTON, kPush, 0, "Load the newest tables", 7, 209, 110, 14},
         {D::kAskEachFile, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 0, "Ask for each file", 124,
          211, 110, 10},
         {IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, "OK", 296, 209, 50, 14},
         {IDCANCEL, WC_BUTTON, kPush, 0, "Cancel", 351, 209, 50, 14},
     }});

constexpr VnCspTableKind kKinds[] = {VnCspTableKind::First, VnCspTableKind::Shop,
                                     VnCspTableKind::Buy};
constexpr int kGridIds[] = {D::kFirstGrid, D::kShopGrid, D::kBuyGrid};
constexpr int kGridColumns = 3;

constexpr VnIconButton kSmallButtons[] = {
    {D::kAddFirstRow, kIconAdd, kTextAddRow},
    {D::kAddShopRow, kIconAdd, kTextAddRow},
    {D::kAddBuyRow, kIconAdd, kTextAddRow},
    {D::kDeleteFirstRow, kIconDelete, kTextDeleteRow},
    {D::kDeleteShopRow, kIconDelete, kTextDeleteRow},
    {D::kDeleteBuyRow, kIconDelete, kTextDeleteRow},
    {D::kOpenShop, kIconOpen, kTextOpen},
    {D::kOpenBuy, kIconOpen, kTextOpen},
    {D::kSaveShop, kIconSave, kTextSave},
    {D::kSaveBuy, kIconSave, kTextSave},
};

}  // namespace

VnCuttingStockDlg::VnCuttingStockDlg(DlgCSP2Data& data, VnCspFileChooser* chooser, CWnd* parent)
    : VnBoundDialog(kResourceId, parent),
      data_(data),
      ownChooser_(chooser ? nullptr : std::make_unique<VnCspDialogFileChooser>()),
      model_(data, chooser ? *chooser : *ownChooser_),
      minSize_(kFallbackMinWidth, kFallbackMinHeight) {
    bindControls();
    onCommand(kEntryList, CBN_SELCHANGE, [this] { onEntryChanged(); });
}

VnCuttingStockDlg::~VnCuttingStockDlg() = default;

void VnCuttingStockDlg::bindControls() {
    auto normal = [this] { return !data_.shopOnly; };
    auto shopOnly = [this] { return data_.shopOnly; };
    auto rows = [this](int id, VnCspTableKind kind, bool add) {
        return VnBinding::button(id, [this, kind, add] { changeRows(kind, add); });
    };
    using K = VnCspTableKind;
    bind({
        VnBinding::label(kEntryLabel, kTextEntry),
        VnBinding::button(kNewEntry, [this] { onNewEntry(); })
            .caption(kTextNewEntry)
            .enabledWhen(normal),
        VnBinding::button(kDeleteEntry,
                          [this] { withGrids([this] { model_.deleteSelectedEntry(); }); })
            .caption(kTextDeleteEntry)
            .enabledWhen(normal),
        VnBinding::label(kFirstLabel, kTextFirst).enabledWhen(normal),
        VnBinding::label(kListLabel, kTextList).enabledWhen(normal),
        VnBinding::label(kShopLabel, kTextShop),
        VnBinding::label(kBuyLabel, kTextBuy).enabledWhen(normal),
        rows(kAddFirstRow, K::First, true).enabledWhen(normal),
        rows(kDeleteFirstRow, K::First, false).enabledWhen(normal),
        rows(kAddShopRow, K::Shop, true),
        rows(kDeleteShopRow, K::Shop, false),
        rows(kAddBuyRow, K::Buy, true).enabledWhen(normal),
        rows(kDeleteBuyRow, K::Buy, false).enabledWhen(normal),
        VnBinding::button(kOpenShop, [this] { withGrids([this] { model_.loadTable(K::Shop); }); }),
        VnBinding::button(kSaveShop,
                          [this] { withGrids([this] { model_.saveTable(K::Shop, true); }); }),
        VnBinding::button(kOpenBuy, [this] { withGrids([this] { model_.loadTable(K::Buy); }); })
            .enabledWhen(normal),
        VnBinding::button(kSaveBuy,
                          [this] { withGrids([this] { model_.saveTable(K::Buy, true); }); })
            .enabledWhen(normal),
        VnBinding::button(kBatch, [this] { onBatch(); }),
        VnBinding::checkBox(
            kAskEachFile, [this] { return askEachFile_; }, [this](bool on) { askEachFile_ = on; })
            .caption(kTextAskEach)
            .visibleWhen(shopOnly),
        VnBinding::label(IDOK, kTextOk),
        VnBinding::label(IDCANCEL, kTextCancel),
    });
}

Ktx_Spread& VnCuttingStockDlg::grid(VnCspTableKind kind) {
    return grids_[static_cast<int>(kind)];
}

BOOL VnCuttingStockDlg::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    SetDlgItemText(kBatch, dialString(data_.shopOnly ? kTextSaveAll : kTextLoadNewest).c_str());
    setUpGrids();
    setUpButtons();
    CSize designed;
    if (getDlgSize(this, designed)) minSize_ = designed;
    setUpResizer();
    model_.open();
    fillEntryList();
    showGrids();
    ChangeDlgSize(this, kSizeName);
    refresh();
    return TRUE;
}

void VnCuttingStockDlg::setUpGrids() {
    const Ktx_StringArray* headers[] = {&data_.firstHeader, &data_.shopHeader, &data_.buyHeader};
    for (int i = 0; i < 3; ++i) {
        Ktx_Spread& ss = grids_[i];
        if (!ss.create(this, kGridIds[i])) continue;
        ss.setMaxCols(kGridColumns);
        if (!headers[i]->isEmpty()) ss.setColumnHeaders(*headers[i]);
        ss.setFitMode(SpreadFitMode::Equal);
    }
    // The grids are disabled with the buttons that change them.
    EnDisCtrl(this, kFirstGrid, !data_.shopOnly);
    EnDisCtrl(this, kBuyGrid, !data_.shopOnly);
}

// The small buttons show their icon when the module has it, and a tooltip.
void VnCuttingStockDlg::setUpButtons() {
    setUpIconButtons(this, toolTips_, kSmallButtons);
}

void VnCuttingStockDlg::fillEntryList() {
    const int index = model_.selectedIndex();
    FillCombo(this, kEntryList, data_.entryNames,
              index >= 0 ? data_.entryNames[index] : Ktx_String());
    // By position: two entries may carry one name.
    SendDlgItemMessage(kEntryList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void VnCuttingStockDlg::readGrids() {
    for (VnCspTableKind kind : kKinds) {
        Ktx_Spread& ss = grid(kind);
        if (!ss.isCreated()) continue;
        VnCspRows rows;
        for (int row = 1; row <= ss.getMaxRows(); ++row) {
            Ktx_StringArray cells;
            ss.getRowTexts(row, cells);
            rows.append(cells);
        }
        model_.grid(kind) = rows;
    }
}

void VnCuttingStockDlg::showGrids() {
    for (VnCspTableKind kind : kKinds) {
        Ktx_Spread& ss = grid(kind);
        if (!ss.isCreated()) continue;
        const VnCspRows& rows = model_.grid(kind);
        ss.setMaxRows(rows.length());
        for (int r = 0; r < rows.length(); ++r) ss.setRowTexts(r + 1, rows[r]);
        ss.Invalidate();
    }
}

void VnCuttingStockDlg::withGrids(const std::function<void()>& step) {
    readGrids();
    step();
    fillEntryList();
    showGrids();
}

void VnCuttingStockDlg::onEntryChanged() {
    const int index = static_cast<int>(SendDlgItemMessage(kEntryList, CB_GETCURSEL, 0, 0));
    withGrids([this, index] { model_.selectEntry(index); });
}

void VnCuttingStockDlg::onNewEntry() {
    VnInputLineData input{dialString(kTextNewCaption), dialString(kTextNewPrompt),
                          dialString(kTextNewDefault)};
    if (!StartDlgInputLine(input, this)) return;
    withGrids([this, &input] { model_.newEntry(input.text); });
}

// The add and delete row buttons work on the grid's selected row; with no entry shown
// there is nothing to add rows to.
void VnCuttingStockDlg::changeRows(VnCspTableKind kind, bool add) {
    Ktx_Spread& ss = grid(kind);
    if (model_.shownEntryId() < 0 || !ss.isCreated()) return;
    if (add)
        ss.insertRowAfterSelection();
    else
        ss.deleteSelectedRow();
}

void VnCuttingStockDlg::onBatch() {
    if (data_.shopOnly) {
        withGrids([this] { model_.saveAllShopTables(askEachFile_); });
        return;
    }
    DlgInfoData info;
    withGrids([this, &info] { info.lines = model_.loadNewestAndReport(); });
    info.texts = {dialString(csp_text::kReportTitle), dialString(csp_text::kReportClose)};
    ExportStartDlgInfo(info);
}

void VnCuttingStockDlg::OnOK() {
    readGrids();
    model_.confirm();
    CDialog::OnOK();
}

void VnCuttingStockDlg::OnDestroy() {
    WriteDlgSize(this, kSizeName);
    CDialog::OnDestroy();
}

void VnCuttingStockDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    resizer_.OnGetMinMaxInfo(info);
}

void VnCuttingStockDlg::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

// The first and shop columns keep their width and grow downwards; the buy column takes the
// rest of the width. The buttons stay below their grids, OK and Cancel at the right.
void VnCuttingStockDlg::setUpResizer() {
    using R = CResizer;
    resizer_.Init(this, {{kFirstLabel, R::kLeftTopBottom},
                         {kFirstGrid, R::kLeftTopBottom},
                         {kAddFirstRow, R::kBottomLeft},
                         {kDeleteFirstRow, R::kBottomLeft},
                         {kShopLabel, R::kLeftTopBottom},
                         {kShopGrid, R::kLeftTopBottom},
                         {kAddShopRow, R::kBottomLeft},
                         {kDeleteShopRow, R::kBottomLeft},
                         {kOpenShop, R::kBottomLeft},
                         {kSaveShop, R::kBottomLeft},
                         {kBuyLabel, R::kAll},
                         {kBuyGrid, R::kAll},
                         {kAddBuyRow, R::kBottomLeft},
                         {kDeleteBuyRow, R::kBottomLeft},
                         {kOpenBuy, R::kBottomRight},
                         {kSaveBuy, R::kBottomRight},
                         {kBatch, R::kBottomLeft},
                         {kAskEachFile, R::kBottomLeft},
                         {IDOK, R::kBottomRight},
                         {IDCANCEL, R::kBottomRight}});
    resizer_.SetMinTrackSize(minSize_);
}

bool StartDlgCSP2(DlgCSP2Data& data) {
    DialogScope<DlgCSP2Data> scope(data);
    VnCuttingStockDlg dialog(scope.copy());
    return scope.run(dialog);
}
