// Applying a macro data's values to its macros as a whole, reading them back, property files,
// loading from standards and selecting other macros.
#include "acad.h"
#include "core_reset.h"
#include "file_search.h"
#include "ktx_macro.h"
#include "ktx_settings.h"
#include "macro_core_hooks.h"
#include "macro_data.h"
#include "macro_prop_file.h"
#include "text_file.h"

namespace {

MacroStandardsEvaluator& evaluatorSlot() {
    static MacroStandardsEvaluator evaluator;
    return evaluator;
}

MacroSelector& selectorSlot() {
    static MacroSelector selector;
    static const bool registered = [] {
        coreAddResetHook([] { selectorSlot() = nullptr; });
        return true;
    }();
    (void)registered;
    return selector;
}

// The name a value that does not apply is reported with: "tab: item".
Ktx_String itemLabel(const MacroPropItem& p) {
    return Ktx_String((p.tab + ": " + (p.item.name.empty() ? p.item.field : p.item.name)).c_str());
}

bool isReadOnlyCell(MacroTabData& tab, const MacroDifference& d) {
    if (d.kind != MacroDifference::kCell) return false;
    const MacroCell* c = tab.findCellWithName(Ktx_String(d.name.c_str()));
    return c && c->readOnly;
}

// Refreshes the tab's cells, cuts and profile sections from the modules of one macro.
void refreshTab(Ktx_Macro& macro, MacroTabData& tab) {
    Ktx_StringArray modules;
    getModNamesOfGroup(&macro, Ktx_String(tab.name.c_str()), modules);
    for (int i = 0; i < modules.length(); ++i) {
        Ktx_Module* module = macro.findModule(modules[i]);
        if (!module) continue;
        for (MacroCell& cell : tab.edit.cells)
            if (Ktx_ConstrVar* var = module->findVariable(cell.name))
                cell.value = macroNumberText(var->value);
        for (MacroCut& cut : tab.edit.cuts) {
            AcArray<int> offsets;
            Ktx_CutConstraint* c = module->findCut(cut.name);
            if (c && getCutOffsets(c->cutType, offsets) && offsets.length() > 0)
                cut.value = c->offsets[offsets[0]];
        }
        for (MacroGroupProps& g : tab.groups)
            if (Ktx_Placement* p = module->findPlacement(g.groupName))
                g.sectionName = p->sectionName;
    }
    for (MacroCell& cell : tab.edit.cells) {
        double value = 0.0;
        if (macro.generalVariableValue(Ktx_String(cell.name.c_str()), value))
            cell.value = macroNumberText(value);
    }
}

}  // namespace

void setMacroStandardsEvaluator(MacroStandardsEvaluator evaluator) {
    evaluatorSlot() = std::move(evaluator);
}

const MacroStandardsEvaluator& macroStandardsEvaluator() {
    return evaluatorSlot();
}

void setMacroSelector(MacroSelector selector) {
    selectorSlot() = std::move(selector);
}

Acad::ErrorStatus MacroData::setAllToMacro() {
    Acad::ErrorStatus result = Acad::eOk;
    for (MacroTabData& tab : tabs) {
        const MacroDifferences all = allValuesOf(tab);
        if (all.empty()) continue;
        Acad::ErrorStatus es = UpdateModule(Ktx_String(tab.name.c_str()), *this, all);
        if (es != Acad::eOk) result = es;
    }
    return result;
}

Acad::ErrorStatus MacroData::reApply() {
    return setAllToMacro();
}

void MacroData::refreshFromMacros() {
    if (edit.macros.empty() || !edit.macros[0]) return;
    for (MacroTabData& tab : tabs) refreshTab(*edit.macros[0], tab);
}

void MacroData::getPropFiles(Ktx_String& folder, Ktx_String& extension, Ktx_String& filterText,
                             Ktx_StringArray& files) const {
    folder = gSettings.libDir + "Macro Properties\\";
    extension = "mpr";
    filterText = "Macro properties (*.mpr)";
    ObjectExportFindFiles(folder, "*.mpr", files);
}

bool MacroData::readFromFile(const Ktx_String& path, Ktx_StringArray& notApplied,
                             Ktx_String* error) {
    std::string text, message;
    std::vector<MacroPropItem> items;
    if (!coreReadFileBytes(path, text, &message) || !parseMacroPropText(text, items, message)) {
        if (error) *error = path + ": " + Ktx_String(message.c_str());
        return false;
    }
    notApplied.removeAll();
    for (const MacroPropItem& p : items) {
        int index = -1;
        MacroTabData* tab = findTab(Ktx_String(p.tab.c_str()), index) ? getTab(index) : nullptr;
        if (!tab || isReadOnlyCell(*tab, p.item) || !storeDifference(*tab, p.item))
            notApplied.append(itemLabel(p));
    }
    return true;
}

bool MacroData::writeToFile(const Ktx_String& path) const {
    std::string text;
    return formatMacroPropText(*this, text) && coreWriteFileAtomic(path, text);
}

Acad::ErrorStatus MacroData::loadFromStandards() {
    const MacroStandardsEvaluator& evaluate = evaluatorSlot();
    if (!evaluate) return Acad::eNotApplicable;
    Acad::ErrorStatus result = Acad::eOk;
    for (Ktx_Macro* macro : edit.macros) {
        if (!macro) continue;
        const std::vector<Ktx_StandardLink> links = macro->standards;
        for (const Ktx_StandardLink& link : links) {
            Acad::ErrorStatus es = evaluate(*macro, Ktx_String(link.name.c_str()),
                                            Ktx_String(link.mappingKey.c_str()), *this);
            if (es != Acad::eOk) result = es;
        }
    }
    refreshFromMacros();
    return result;
}

bool MacroData::SelectOtherMacros() {
    const MacroSelector& select = selectorSlot();
    std::vector<Ktx_Macro*> chosen = edit.macros;
    if (!select || !select(chosen) || chosen == edit.macros) return false;
    edit.macros = std::move(chosen);
    edit.currentGroup.clear();
    refreshFromMacros();
    return true;
}
