// VnLibTablesPage: the table commands (new, delete, rename, grid layout, shape change).
#include "dial_string.h"
#include "file_ops.h"
#include "grid.h"
#include "section_types.h"
#include "spread_layout_dlg.h"
#include "vn_input_line_dlg.h"
#include "vn_lib_tables_model.h"
#include "vn_lib_tables_page.h"
#include "win.h"

namespace {
constexpr int kTextDeleteCaption = 787, kTextDelete1 = 788, kTextDelete2 = 789;
constexpr int kTextRenameCaption = 790, kTextRenamePrompt = 791;
constexpr int kTextCutCaption = 792, kTextCut1 = 793, kTextCut2 = 794, kTextCut3 = 795;
}  // namespace

void VnLibTablesPage::onNewTable() {
    if (!askUnsaved()) return;
    const Ktx_String name = libNewTableName(data_.tableNames);
    data_.tableNames.append(name);
    fillTableList();
    shown_ = data_.tableNames.length() - 1;
    shownName_ = name;
    tables_.SetCurSel(shown_);
    const Ktx_ProfValuesTable table = libNewTable(name);
    table.setToSS(spread_);
    shapes_.SetCurSel(shapes_.FindStringExact(-1, shapeDisplayEntry(table.shapeRef).c_str()));
    SSSetBool(spread_.gridWindow(), SSB_CHANGEMADE, true);
}

void VnLibTablesPage::onDeleteTable() {
    if (shownName_.isEmpty()) return;
    const Ktx_String text =
        dialString(kTextDelete1) + " <" + shownName_ + "> " + dialString(kTextDelete2);
    if (MessageBox(text.c_str(), dialString(kTextDeleteCaption).c_str(),
                   MB_YESNO | MB_ICONWARNING) != IDYES) {
        return;
    }
    ObjectExportDeleteFile(Ktx_ProfValuesTable::filePath(shownName_));
    data_.tableNames.removeAt(shown_);
    fillTableList();
    showTable(data_.tableNames.isEmpty() ? -1 : 0);
}

void VnLibTablesPage::onRename() {
    if (shownName_.isEmpty()) return;
    VnInputLineData input{dialString(kTextRenameCaption), dialString(kTextRenamePrompt),
                          shownName_};
    if (!StartDlgInputLine(input, this) || input.text == shownName_ || input.text.isEmpty()) {
        return;
    }
    const Ktx_String oldName = shownName_;
    shownName_ = input.text;
    labelRows();
    // The new file is written before the old one goes, so a failed write loses nothing.
    if (!saveShown()) {
        shownName_ = oldName;
        labelRows();
        return;
    }
    ObjectExportDeleteFile(Ktx_ProfValuesTable::filePath(oldName));
    data_.tableNames[shown_] = shownName_;
    fillTableList();
    showTable(shown_);
}

void VnLibTablesPage::onGridLayout() {
    // The layout dialog may change the numbers of rows and columns; the new rows take the
    // table name and the columns are brought back to the shape's.
    if (!StartDlgSpreadLayout(spread_.gridWindow(), this)) return;
    labelRows();
    applyShape(false);
    spread_.fitToTexts();
}

void VnLibTablesPage::onShapeChanged() {
    applyShape(true);
}

void VnLibTablesPage::applyShape(bool ask) {
    Ktx_StringArray header;
    spread_.getColumnHeaders(header);
    Ktx_ProfValuesTable probe;
    probe.header = header;
    const Ktx_String shape = shapeOfCombo();
    const Ktx_StringArray wanted = libHeaderForShape(header, probe.getNrLanguages(), shape);
    if (spread_.getMaxCols() < wanted.length()) spread_.setMaxCols(wanted.length());
    if (spread_.getMaxCols() > wanted.length()) {
        bool cut = true;
        if (ask) {
            std::string entry;
            shapes_.GetLBText(shapes_.GetCurSel(), entry);
            const Ktx_String text = dialString(kTextCut1) + " " + Ktx_String(entry) + " " +
                                    dialString(kTextCut2) + "\n" + dialString(kTextCut3);
            cut = MessageBox(text.c_str(), dialString(kTextCutCaption).c_str(),
                             MB_YESNO | MB_ICONQUESTION) == IDYES;
        }
        if (cut) spread_.setMaxCols(wanted.length());
    }
    spread_.setColumnHeaders(wanted);
    SSSetBool(spread_.gridWindow(), SSB_CHANGEMADE, true);
}
