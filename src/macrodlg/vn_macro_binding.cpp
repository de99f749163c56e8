#include "vn_macro_binding.h"

#include <cstdlib>
#include <vector>

#include "core.h"
#include "display_setting.h"
#include "file_ops.h"
#include "file_search.h"
#include "ktx_module.h"
#include "ui_languages.h"

namespace {

constexpr int kTextAdvanced = 968;
constexpr int kTextProfiles = 969;
constexpr int kTextMixed = 695;
constexpr int kMaxNameChars = 120;
constexpr int kLargeFonts = 4;

Ktx_String str(const std::string& s) {
    return Ktx_String(s.c_str());
}

bool parsesAsNumber(const std::string& text) {
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0';
}

bool bindLabel(Ktx_DesignerControl& c, MacroTabData& tab) {
    if (!c.comboList.isEmpty() && !tab.findCellWithName(c.comboList)) {
        c.contents = "";
        return true;
    }
    c.contents = macroVariableText(c.contents);
    return true;
}

bool bindCell(Ktx_DesignerControl& c, MacroTabData& tab) {
    MacroCell* cell = tab.findCellWithName(c.contents);
    if (!cell) return false;
    c.contents = str(cell->value);
    c.readOnly = cell->readOnly;
    cell->id = c.resourceId;
    return true;
}

bool bindPattern(Ktx_DesignerControl& c, MacroTabData& tab, double width) {
    MacroPatternData* p = tab.findPatternWithName(c.contents);
    if (!p) return false;
    const int type = c.type;
    if (type == kCtrlBoltCount1) {
        c.contents = str(p->nrBolts1);
        p->countId = c.resourceId;
    } else if (type == kCtrlBoltCount2) {
        if (!parsesAsNumber(p->nrBolts2)) return false;
        c.contents = str(p->nrBolts2);
        p->count2Id = c.resourceId;
    } else if (type == kCtrlPatternButton) {
        c.contents = "...";
        p->buttonId = c.resourceId;
    } else if (type == kCtrlBoltAdvanced) {
        c.contents = fitCaptionToWidth(dialString(kTextAdvanced), width);
        tab.edit.advancedId = c.resourceId;
    } else {
        const int field = type - kCtrlBoltField1;  // types 7 to 11
        c.contents = str(tab.edit.boltFields[field]);
        tab.edit.boltFieldIds[field] = c.resourceId;
    }
    return true;
}

bool bindAdvancedCell(Ktx_DesignerControl& c, MacroTabData& tab) {
    MacroCell* cell = tab.findCellWithName(c.advancedPart1);
    if (!cell || cell->readOnly) return false;
    cell->id = c.resourceId;
    return true;
}

bool bindBlockList(Ktx_DesignerControl& c, MacroTabData& tab) {
    if (!tab.edit.hasBlockList) return false;
    Ktx_StringArray files;
    ObjectExportFindFiles(gSettings.libDir + c.comboList, "*.dwg", files);
    c.comboItems.setLogicalLength(0);
    for (int i = 0; i < files.length(); ++i)
        c.comboItems.append(removeExtension(getFileName(files[i])));
    c.comboItems.append(macroMixedValueText());
    c.contents = str(tab.edit.currentBlock);
    tab.edit.blockId = c.resourceId;
    return true;
}

bool bindCut(Ktx_DesignerControl& c, MacroTabData& tab) {
    MacroCut* cut = tab.findCutWithName(c.contents);
    if (!cut) return false;
    c.contents = str(macroNumberText(cut->value));
    cut->id = c.resourceId;
    return true;
}

bool bindCheckBox(Ktx_DesignerControl& c, MacroTabData& tab) {
    MacroCell* cell = tab.findCellWithName(c.comboList);
    if (!cell) return false;
    c.contents = macroVariableText(str(cell->name));
    c.comboList = str(cell->value);
    c.readOnly = cell->readOnly;
    cell->id = c.resourceId;
    return true;
}

bool bindFlexButton(const Ktx_DesignerControl& c, const MacroTabData& tab) {
    return tab.hasBtnFlexFix(c.contents);
}

}  // namespace

Ktx_String macroVariableText(const Ktx_String& name) {
    return gMacroLangs.GetStringChopSymbols(name, kMaxNameChars);
}

Ktx_String macroMixedValueText() {
    return dialString(kTextMixed);
}

Ktx_String fitCaptionToWidth(const Ktx_String& caption, double widthPixels) {
    const int perChar = getDisplaySetting() == kLargeFonts ? 8 : 4;
    if (widthPixels >= static_cast<double>(caption.length() * perChar)) return caption;
    return "...";
}

bool bindMacroControl(Ktx_DesignerControl& c, MacroTabData& tab, double widthPixels) {
    const int type = c.type;
    if (isLabelType(type)) return bindLabel(c, tab);
    if (type == kCtrlVariableEdit || type == kCtrlVariableCombo) return bindCell(c, tab);
    if (type >= kCtrlBoltCount1 && type <= kCtrlBoltAdvanced)
        return bindPattern(c, tab, widthPixels);
    if (type >= kCtrlProfileName && type <= kCtrlProfileAdvanced)
        return bindMacroProfileControl(c, tab, widthPixels, dialString(kTextProfiles));
    if (type >= 18 && type <= kCtrlArrayButton) return bindMacroArrayControl(c, tab, widthPixels);
    if (isAdvancedType(type)) return bindAdvancedCell(c, tab);
    if (type == kCtrlBlockList) return bindBlockList(c, tab);
    if (type == kCtrlCutList) return bindCut(c, tab);
    if (type == kCtrlCheckBox) return bindCheckBox(c, tab);
    if (type == kCtrlFlexButton) return bindFlexButton(c, tab);
    return false;
}

int bindMacroTemplate(Ktx_DlgDesignerData& designer, MacroTabData& tab) {
    std::vector<int> unbound;
    for (int i = 0; i < designer.getNrControls(); ++i) {
        Ktx_DesignerControl* c = designer.getControlWrite(i);
        if (!bindMacroControl(*c, tab, designer.getWidth(*c))) unbound.push_back(i);
    }
    for (auto i = unbound.rbegin(); i != unbound.rend(); ++i) designer.removeControl(*i);
    return static_cast<int>(unbound.size());
}
