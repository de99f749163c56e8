#include "vn_lib_tables_page.h"

#include "dial_string.h"
#include "dlg_controls.h"
#include "grid.h"
#include "section_types.h"
#include "vn_lib_tables_model.h"
#include "win.h"

namespace {

using P = VnLibTablesPage;

constexpr int kTextSaveCaption = 784, kTextSave1 = 785, kTextSave2 = 786;
// The module's icons of the row commands.
constexpr int kIconCopy = 223, kIconPaste = 224, kIconInsert = 212, kIconDelete = 206,
              kIconUp = 257, kIconDown = 258, kIconFind = 225;

DialogControl button(int id, int x, int y, int cx, const char* text) {
    return {id, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 0, text, x, y, cx, 13};
}

const DialogTemplateRegistration kTemplate(
    {P::kResourceId,
     "",
     kPageStyle,
     0,
     0,
     326,
     180,
     {
         {P::kTables, WC_LISTBOX, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, "", 5, 5, 75,
          110},
         button(P::kNewTable, 5, 118, 75, "New table"),
         button(P::kDeleteTable, 5, 133, 75, "Delete table"),
         button(P::kRename, 5, 148, 75, "Rename"),
         button(P::kGridLayout, 5, 163, 75, "Grid layout"),
         {P::kShapeGroup, WC_BUTTON, BS_GROUPBOX, 0, "Shape", 85, 2, 236, 29},
         {P::kShape, WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", 91, 13, 224,
          120},
         button(P::kCopy, 85, 34, 32, "Copy"),
         button(P::kPaste, 119, 34, 32, "Paste"),
         button(P::kInsertRow, 153, 34, 32, "Insert"),
         button(P::kDeleteRow, 187, 34, 32, "Delete"),
         button(P::kRowUp, 221, 34, 32, "Up"),
         button(P::kRowDown, 255, 34, 32, "Down"),
         button(P::kFind, 289, 34, 32, "Find"),
         {P::kGrid, WC_STATIC, WS_BORDER, 0, "", 85, 50, 236, 126},
     }});

}  // namespace

VnLibTablesPage::VnLibTablesPage(DlgEditLibData& data, const Ktx_String& firstSection)
    : CDialog(kResourceId), data_(data), firstSection_(firstSection) {
    connectCommands();
}

void VnLibTablesPage::connectCommands() {
    onCommand(kTables, LBN_SELCHANGE, [this] { onTableChosen(); });
    onCommand(kShape, CBN_SELCHANGE, [this] { onShapeChanged(); });
    onClicked(kNewTable, [this] { onNewTable(); });
    onClicked(kDeleteTable, [this] { onDeleteTable(); });
    onClicked(kRename, [this] { onRename(); });
    onClicked(kGridLayout, [this] { onGridLayout(); });
    onClicked(kCopy, [this] { SSClipboardCopy(spread_.gridWindow()); });
    onClicked(kPaste, [this] { SSClipboardPaste(spread_.gridWindow()); });
    onClicked(kInsertRow, [this] {
        spread_.insertRowAfterSelection();
        labelRows();
    });
    onClicked(kDeleteRow, [this] { spread_.deleteSelectedRow(); });
    onClicked(kRowUp, [this] { spread_.moveRowUp(); });
    onClicked(kRowDown, [this] { spread_.moveRowDown(); });
    onClicked(kFind, [this] { spread_.showFindDialog(false); });
}

BOOL VnLibTablesPage::OnInitDialog() {
    CDialog::OnInitDialog();
    tables_.SubclassDlgItem(kTables, this);
    shapes_.SubclassDlgItem(kShape, this);
    setUpButtons();
    spread_.create(this, kGrid, true);
    resizer_.Init(this, {{kTables, CResizer::kLeftTopBottom},
                         {kNewTable, CResizer::kBottomLeft},
                         {kDeleteTable, CResizer::kBottomLeft},
                         {kRename, CResizer::kBottomLeft},
                         {kGridLayout, CResizer::kBottomLeft},
                         {kShapeGroup, CResizer::kTopLeftRight},
                         {kShape, CResizer::kTopLeftRight},
                         {kGrid, CResizer::kAll}});
    FillCombo(this, kShape, libShapeEntries(data_.drawingFiles));
    fillTableList();
    showTable(libFirstTableIndex(data_.tableNames, firstSection_));
    if (!firstSection_.isEmpty()) selectSection(firstSection_);
    return TRUE;
}

void VnLibTablesPage::setUpButtons() {
    SetDlgItemText(kShapeGroup, dialString(783).c_str());
    const int captions[][2] = {
        {kNewTable, 779}, {kDeleteTable, 780}, {kGridLayout, 781}, {kRename, 782}};
    for (const auto& [id, key] : captions) SetDlgItemText(id, dialString(key).c_str());
    // Each row command shows the module's icon, with its text as the tooltip; a button whose
    // icon is missing keeps its short caption.
    const int rowButtons[kRowButtonCount][3] = {
        {kCopy, kIconCopy, 772},        {kPaste, kIconPaste, 773}, {kInsertRow, kIconInsert, 774},
        {kDeleteRow, kIconDelete, 775}, {kRowUp, kIconUp, 776},    {kRowDown, kIconDown, 777},
        {kFind, kIconFind, 778}};
    for (int i = 0; i < kRowButtonCount; ++i) {
        const auto& [id, icon, tip] = rowButtons[i];
        rowButtons_[i].SubclassDlgItem(id, this);
        rowButtons_[i].SetIcon(static_cast<UINT>(icon));
        rowButtons_[i].SetTooltipText(dialString(tip));
    }
}

void VnLibTablesPage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    resizer_.Move();
}

void VnLibTablesPage::fillTableList() {
    tables_.ResetContent();
    for (const Ktx_String& name : data_.tableNames) tables_.AddString(name.c_str());
}

void VnLibTablesPage::showTable(int index) {
    shown_ = index;
    shownName_ = data_.tableNames.isValidIndex(index) ? data_.tableNames[index] : Ktx_String();
    tables_.SetCurSel(index);
    Ktx_ProfValuesTable table;
    // A table that cannot be read shows an empty grid.
    if (shownName_.isEmpty() || !table.readFromFile(shownName_)) table = Ktx_ProfValuesTable();
    table.name = shownName_;
    table.setToSS(spread_);
    SSSetBool(spread_.gridWindow(), SSB_CHANGEMADE, false);
    shapes_.SetCurSel(shapes_.FindStringExact(-1, shapeDisplayEntry(table.shapeRef).c_str()));
}

void VnLibTablesPage::selectSection(const Ktx_String& fullName) {
    for (int row = 1; row <= spread_.getMaxRows(); ++row) {
        Ktx_String sysName;
        spread_.getCellText(1, row, sysName, CellTextKind::Value);
        if (shownName_ + "-" + sysName == fullName) SSSetActiveCell(spread_.gridWindow(), 1, row);
    }
}

void VnLibTablesPage::labelRows() {
    Ktx_StringArray headers;
    for (int row = 0; row < spread_.getMaxRows(); ++row) headers.append(shownName_);
    spread_.setRowHeaders(headers);
}

Ktx_String VnLibTablesPage::shapeOfCombo() {
    std::string entry;
    if (shapes_.GetCurSel() >= 0) shapes_.GetLBText(shapes_.GetCurSel(), entry);
    return shapeFromDisplayEntry(Ktx_String(entry));
}

bool VnLibTablesPage::saveShown() {
    Ktx_ProfValuesTable table;
    if (shownName_.isEmpty() || !table.getFromSS(spread_)) return false;
    table.shapeRef = shapeOfCombo();
    if (!table.writeToFile(shownName_)) return false;
    SSSetBool(spread_.gridWindow(), SSB_CHANGEMADE, false);
    return true;
}

bool VnLibTablesPage::askUnsaved() {
    if (!SSGetBool(spread_.gridWindow(), SSB_CHANGEMADE)) return true;
    const Ktx_String text =
        dialString(kTextSave1) + " <" + shownName_ + "> " + dialString(kTextSave2);
    switch (MessageBox(text.c_str(), dialString(kTextSaveCaption).c_str(),
                       MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            saveShown();
            return true;
        case IDNO:
            return true;
        default:
            return false;
    }
}

void VnLibTablesPage::onTableChosen() {
    const int chosen = tables_.GetCurSel();
    if (chosen == shown_) return;
    if (!askUnsaved()) {
        tables_.SetCurSel(shown_);
        return;
    }
    showTable(chosen);
}
