// The image page's value transfer: the tab's items into the template controls and the grid,
// and back.
#include "bolt_assemblies.h"
#include "core.h"
#include "ktx_module.h"
#include "module_bitmaps.h"
#include "vn_macro_binding.h"
#include "vn_macro_image_page.h"

namespace {

constexpr int kCheckBoxCell = 5;
constexpr int kTextVariable = 1328;
constexpr int kTextName = 797;
constexpr int kTextValue = 86;

Ktx_String str(const std::string& s) {
    return Ktx_String(s.c_str());
}

HBITMAP bitmapOf(UINT id) {
    CBitmap* b = moduleBitmap(id);
    return b ? static_cast<HBITMAP>(*b) : nullptr;
}

void fillComboItems(CWnd* combo, const Ktx_StringArray& items, const std::string& selected) {
    if (!combo) return;
    combo->SendMessage(CB_RESETCONTENT);
    for (int i = 0; i < items.length(); ++i)
        combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i].c_str()));
    combo->SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(selected.c_str()));
}

}  // namespace

void VnMacroImagePage::fillControls(bool /*first*/) {
    MacroTabData* t = tab();
    if (!t) return;
    ready_ = false;
    writeTemplateValues(*t);
    fillGrid();
    if (!noBoltControls_) fillBoltCombos();
    layOut();
    ready_ = true;
}

void VnMacroImagePage::writeTemplateValues(MacroTabData& t) {
    if (!hasTemplate_) return;
    for (const MacroCell& c : t.edit.cells) {
        if (c.id <= 0) continue;
        designer_.setCtrlValue(c.id, str(c.value));
        designer_.setCtrlReadOnly(c.id, c.readOnly);
    }
    if (t.bolts) {
        for (const MacroPatternData& p : t.bolts->patterns) {
            if (p.countId > 0) designer_.setCtrlValue(p.countId, str(p.nrBolts1));
            if (p.count2Id > 0) designer_.setCtrlValue(p.count2Id, str(p.nrBolts2));
        }
    }
    for (int i = 0; i < 5; ++i) {
        if (t.edit.boltFieldIds[i] > 0)
            designer_.setCtrlValue(t.edit.boltFieldIds[i], str(t.edit.boltFields[i]));
    }
    for (const MacroCut& c : t.edit.cuts)
        if (c.id > 0) designer_.setCtrlValue(c.id, str(macroNumberText(c.value)));
    if (t.edit.blockId > 0) designer_.setCtrlValue(t.edit.blockId, str(t.edit.currentBlock));
    writeGroupValues(t);
    syncFlexButtons(t);
}

void VnMacroImagePage::syncFlexButtons(MacroTabData& t) {
    Ktx_StringArray groups;
    designer_.getFlexBtnsGroups(groups);
    for (int g = 0; g < groups.length(); ++g) {
        const MacroFlexFixGroup* group = t.findFlexFixGroup(groups[g]);
        if (!group) continue;
        for (const std::string& member : group->members) {
            bool fixed = true;
            bool flexible = false;
            if (t.getFlexFixBtnStatus(str(member), fixed, flexible))
                designer_.setFlexBtnStatus(groups[g], str(member), fixed ? 0 : 1);
        }
    }
}

void VnMacroImagePage::fillGrid() {
    MacroTabData* t = tab();
    if (!t || !grid_.isCreated()) return;
    HWND g = grid_.gridWindow();
    gridRows_ = 0;
    for (MacroCell& c : t->edit.cells)
        if (c.id <= 0) c.id = -(++gridRows_);
    grid_.setMaxCols(3);
    grid_.setMaxRows(gridRows_);
    grid_.setColumnHeaders(
        {dialString(kTextVariable), dialString(kTextName), dialString(kTextValue)});
    for (const MacroCell& c : t->edit.cells) {
        if (c.id >= 0) continue;
        const int row = -c.id;
        grid_.setCellText(1, row, macroVariableText(str(c.name)));
        grid_.setCellText(2, row, str(c.name));
        if (c.type == kCheckBoxCell) {
            SSCellType box;
            SSSetTypeCheckBox(g, &box, 0, "", bitmapOf(kCheckBoxBitmapOff),
                              bitmapOf(kCheckBoxBitmapOn));
            SSSetCellType(g, kGridValueColumn, row, &box);
        }
        grid_.setCellText(kGridValueColumn, row, str(c.value));
        SSSetLockRange(g, 1, row, 2, row, true);
        SSSetLock(g, kGridValueColumn, row, c.readOnly);
    }
    grid_.fitColumns();
}

void VnMacroImagePage::fillBoltCombos() {
    MacroTabData* t = tab();
    if (!t) return;
    Ktx_StringArray names;
    getBoltAssemblies(names);
    fillComboItems(GetDlgItem(kAssembly), names, t->edit.boltAssembly);
    fillDiameters();
}

void VnMacroImagePage::fillDiameters() {
    MacroTabData* t = tab();
    std::string assembly;
    if (!t) return;
    GetDlgItemText(kAssembly, assembly);
    Ktx_StringArray diameters;
    getBoltDiameters(Ktx_String(assembly.c_str()), diameters);
    fillComboItems(GetDlgItem(kDiameter), diameters, t->edit.boltDiameter);
}

bool VnMacroImagePage::readValue(int id, std::string& value) {
    Ktx_String text;
    if (id > 0) {
        Ktx_ControlType type = kCtrlLabel;
        if (!designer_.getDynControlType(id, type) || isAdvancedType(type)) return false;
        if (!designer_.getCtrlValue(id, text)) return false;
    } else if (id < 0) {
        if (!grid_.getCellText(kGridValueColumn, -id, text, CellTextKind::Value)) return false;
    } else {
        return false;
    }
    value = text.c_str();
    return true;
}

void VnMacroImagePage::storeValues() {
    MacroTabData* t = tab();
    if (!t) return;
    for (MacroCell& c : t->edit.cells)
        if (!c.readOnly) readValue(c.id, c.value);
    if (t->bolts) {
        for (MacroPatternData& p : t->bolts->patterns) {
            readValue(p.countId, p.nrBolts1);
            readValue(p.count2Id, p.nrBolts2);
        }
    }
    for (int i = 0; i < 5; ++i) readValue(t->edit.boltFieldIds[i], t->edit.boltFields[i]);
    for (MacroCut& c : t->edit.cuts) {
        std::string text;
        if (readValue(c.id, text)) c.value = Ktx_String(text.c_str()).toDouble();
    }
    readValue(t->edit.blockId, t->edit.currentBlock);
    readGroupValues(*t);
    if (t->edit.kind == 1 && !noBoltControls_) {
        GetDlgItemText(kAssembly, t->edit.boltAssembly);
        GetDlgItemText(kDiameter, t->edit.boltDiameter);
    }
}
