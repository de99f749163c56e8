#include "vn_ss_mapping_page.h"

#include <algorithm>
#include <string>

#include "dial_string.h"
#include "grid.h"
#include "win.h"

namespace {

using P = VnSSMappingPage;

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kIconButton = BS_PUSHBUTTON | BS_ICON | WS_TABSTOP;
constexpr int kUpIcon = 261, kDownIcon = 262;
constexpr int kUpTip = 173, kDownTip = 174;
constexpr int kAddText = 606, kRemoveText = 607;
constexpr int kGridLook = 1;
constexpr int kNameColumn = 1, kMapsToColumn = 2;
constexpr int kTypeColumn = 1, kVarColumn = 2, kObjectColumn = 3;
constexpr int kTypeWidth = 48, kVarWidth = 120, kMapsToWidth = 110;  // pixels

const DialogTemplateRegistration kTemplate(
    {P::kResourceId,
     "",
     kPageStyle,
     0,
     0,
     266,
     249,
     {
         {P::kListGroup, WC_BUTTON, BS_GROUPBOX, 0, "Add and edit standards-spreadsheets", 5, 4,
          256, 104},
         {P::kListGrid, WC_STATIC, WS_BORDER, 0, "", 12, 16, 202, 86},
         {P::kAdd, WC_BUTTON, kButton, 0, "Add", 220, 16, 34, 14},
         {P::kRemove, WC_BUTTON, kButton, 0, "Remove", 220, 34, 34, 14},
         {P::kUp, WC_BUTTON, kIconButton, 0, "Up", 220, 56, 16, 14},
         {P::kDown, WC_BUTTON, kIconButton, 0, "Down", 238, 56, 16, 14},
         {P::kMappingGroup, WC_BUTTON, BS_GROUPBOX, 0,
          "Choose how the Spreadsheet should be mapped to this macro", 5, 112, 256, 132},
         {P::kMappingGrid, WC_STATIC, WS_BORDER, 0, "", 12, 124, 242, 114},
     }});

// Items of a combo-box cell: the texts separated by tabs.
std::string comboItems(const Ktx_StringArray& texts) {
    std::string items;
    for (int i = 0; i < texts.length(); ++i) {
        if (i > 0) items += '\t';
        items += texts[i].str();
    }
    return items;
}

void setComboColumn(Ktx_Spread& grid, int col, int row1, int row2, const Ktx_StringArray& texts) {
    SSCellType combo;
    SSSetTypeComboBox(grid.gridWindow(), &combo, 0, comboItems(texts).c_str());
    SSSetCellTypeRange(grid.gridWindow(), col, row1, col, row2, &combo);
}

const char* typeText(VnValueType type) {
    switch (type) {
        case VnValueInt:
            return "Getal";
        case VnValueDouble:
            return "Decim";
        default:
            return "Tekst";
    }
}

}  // namespace

VnSSMappingPage::VnSSMappingPage(MacroSettingsData* settings)
    : VnBoundDialog(kResourceId), model_(settings) {
    bind({
        VnBinding::button(kAdd, [this] { addStandard(); }).caption(kAddText),
        VnBinding::button(kRemove, [this] { removeStandard(); }).caption(kRemoveText),
        VnBinding::button(kUp, [this] { moveStandard(-1); }),
        VnBinding::button(kDown, [this] { moveStandard(1); }),
    });
    onMessage(SSM_NOTIFY, [this](WPARAM w, LPARAM l) { return onGridNotify(w, l); });
}

BOOL VnSSMappingPage::OnInitDialog() {
    VnBoundDialog::OnInitDialog();
    if (!model_.hasSettings()) return TRUE;
    standards_.create(this, kListGrid, true);
    mapping_.create(this, kMappingGrid, true);
    standards_.setDefaultLook(kGridLook);
    standards_.setFitMode(SpreadFitMode::OneColumn, kNameColumn, kMapsToWidth);
    // Type and name keep their widths; the macro object takes the rest.
    Ktx_Array<int> columns, widths;
    columns.append(kTypeColumn);
    columns.append(kVarColumn);
    widths.append(kTypeWidth);
    widths.append(kVarWidth);
    mapping_.setFitMode(SpreadFitMode::Listed, columns, widths);
    setUpButtons();
    fillStandards();
    showMapping(activeRow() - 1);
    return TRUE;
}

void VnSSMappingPage::setUpButtons() {
    up_.SubclassDlgItem(kUp, this);
    up_.SetIcon(kUpIcon);
    up_.SetTooltipText(dialString(kUpTip));
    down_.SubclassDlgItem(kDown, this);
    down_.SetIcon(kDownIcon);
    down_.SetTooltipText(dialString(kDownTip));
}

void VnSSMappingPage::fillStandards() {
    if (!standards_.isCreated()) return;
    const int count = model_.standardCount();
    standards_.setMaxCols(2);
    standards_.setColumnHeaders({"Spreadsheet", "Maps to"});
    standards_.setMaxRows(count);
    if (count == 0) return;
    setComboColumn(standards_, kNameColumn, 1, count, model_.standardChoices());
    setComboColumn(standards_, kMapsToColumn, 1, count, model_.mapsToChoices());
    Ktx_StringArray names, mapsTo;
    for (int i = 0; i < count; ++i) {
        names.append(model_.standardName(i));
        mapsTo.append(model_.mapsToText(i));
    }
    standards_.setColumnTexts(kNameColumn, names);
    standards_.setColumnTexts(kMapsToColumn, mapsTo);
    standards_.fitColumns();
}

int VnSSMappingPage::activeRow() {
    int col = 1, row = 1;
    standards_.getActiveCell(col, row);
    return row;
}

void VnSSMappingPage::takeList() {
    if (!standards_.isCreated()) return;
    std::vector<VnSSMappingPageModel::ListRow> rows;
    for (int r = 1; r <= standards_.getMaxRows(); ++r) {
        VnSSMappingPageModel::ListRow row;
        standards_.getCellText(kNameColumn, r, row.name, CellTextKind::Data);
        standards_.getCellText(kMapsToColumn, r, row.mapsTo, CellTextKind::Data);
        rows.push_back(row);
    }
    model_.takeList(rows);
}

void VnSSMappingPage::saveShown() {
    if (model_.shown() < 0 || !mapping_.isCreated()) return;
    const std::vector<VnMappingRow>& rows = model_.rows();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        if (rows[static_cast<size_t>(r)].title) continue;
        Ktx_String text;
        mapping_.getCellText(kObjectColumn, r + 1, text, CellTextKind::Data);
        model_.choose(r, text);
    }
    model_.saveMapping();
}

void VnSSMappingPage::showMapping(int index) {
    if (!mapping_.isCreated() || index < 0 || index >= model_.standardCount()) return;
    const VnVarCells* cells = nullptr;
    if (!model_.isModuleGroup(index)) {
        const Ktx_String path = VnSSMappingPageModel::standardPath(model_.standardName(index));
        if (mapping_.loadStandard(path) == Acad::eOk && mapping_.findVarCells() == Acad::eOk)
            cells = &mapping_.varCells;
    }
    model_.showMapping(index, cells);
    layOutMapping();
}

void VnSSMappingPage::layOutMapping() {
    mapping_.removeAllSpans();
    mapping_.setMaxRows(0);
    mapping_.setMaxCols(0);
    mapping_.setMaxCols(3);
    mapping_.setColumnHeaders({"Type", "Std Name", "Macro object"});
    const std::vector<VnMappingRow>& rows = model_.rows();
    mapping_.setMaxRows(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        layOutMappingRow(r + 1, rows[static_cast<size_t>(r)]);
    mapping_.setDefaultLook(kGridLook);
    mapping_.fitColumns();
}

void VnSSMappingPage::layOutMappingRow(int r, const VnMappingRow& row) {
    HWND grid = mapping_.gridWindow();
    if (row.title) {
        mapping_.setCellText(kTypeColumn, r, row.name);
        SSAddCellSpan(grid, kTypeColumn, r, 3, 1);
        SSSetLockRange(grid, kTypeColumn, r, kObjectColumn, r, true);
        return;
    }
    mapping_.setCellText(kTypeColumn, r, typeText(row.type));
    mapping_.setCellText(kVarColumn, r, row.name);
    SSSetLockRange(grid, kTypeColumn, r, kVarColumn, r, true);
    const Ktx_StringArray texts = model_.choiceTexts(row);
    setComboColumn(mapping_, kObjectColumn, r, r, texts);
    if (row.chosen >= 0) mapping_.setCellText(kObjectColumn, r, texts[row.chosen]);
}

void VnSSMappingPage::showAgain(int index) {
    model_.forgetShown();
    showMapping(index);
    // Nothing shown (a stale row): no rows of the standard shown before are left.
    if (model_.shown() < 0 && mapping_.isCreated()) layOutMapping();
}

void VnSSMappingPage::refillAndShow(int newRow) {
    fillStandards();
    SSSetActiveCell(standards_.gridWindow(), 1, newRow);
    showAgain(newRow - 1);
}

void VnSSMappingPage::addStandard() {
    saveShown();
    takeList();
    const int row = std::min(std::max(activeRow(), 1), model_.standardCount() + 1);
    if (model_.insertStandard(row - 1)) refillAndShow(row);
}

void VnSSMappingPage::removeStandard() {
    saveShown();
    takeList();
    const int row = activeRow();
    if (!model_.removeStandard(row - 1)) return;
    refillAndShow(std::max(1, std::min(row, model_.standardCount())));
}

void VnSSMappingPage::moveStandard(int offset) {
    saveShown();
    takeList();
    const int row = activeRow();
    if (model_.swapStandards(row - 1, row - 1 + offset)) refillAndShow(row + offset);
}

void VnSSMappingPage::commit() {
    saveShown();
    takeList();
}

LRESULT VnSSMappingPage::onGridNotify(WPARAM wParam, LPARAM lParam) {
    const auto* n = reinterpret_cast<const SSNotify*>(lParam);
    if (n == nullptr || static_cast<int>(wParam) != kListGrid) return 0;
    if (n->code == SSN_ACTIVECELLCHANGED && n->row != n->row2) {
        saveShown();
        showAgain(n->row - 1);
    } else if (n->code == SSN_CELLCHANGED) {
        saveShown();
        takeList();
        showAgain(activeRow() - 1);
    }
    return 0;
}
