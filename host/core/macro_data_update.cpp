// Applying a tab's edited values to the macros of the macro data, and back.
#include "ktx_macro.h"
#include "macro_data.h"

namespace {

enum class Applied { kNone, kDone, kBadValue };

// Parses `value` and gives it to `set` for each of the tab's modules of one macro; `set`
// returns true when that module took it.
template <typename Set>
Applied forEachModule(Ktx_Macro& macro, const Ktx_StringArray& modules, const std::string& value,
                      Set set) {
    double number = 0.0;
    if (!macroParseNumber(value, number)) return Applied::kBadValue;
    Applied result = Applied::kNone;
    for (int i = 0; i < modules.length(); ++i) {
        Ktx_Module* module = macro.findModule(modules[i]);
        if (module && set(*module, number)) result = Applied::kDone;
    }
    return result;
}

// Sets variable `name` in the tab's modules of one macro, else the macro's general variable.
Applied setVariable(Ktx_Macro& macro, const Ktx_StringArray& modules, const std::string& name,
                    const std::string& value) {
    Applied result = forEachModule(macro, modules, value, [&](Ktx_Module& m, double number) {
        Ktx_ConstrVar* var = m.findVariable(name);
        if (!var || (var->dialog && !var->settable)) return false;
        var->value = number;
        return true;
    });
    double number = 0.0;
    if (result == Applied::kNone && macroParseNumber(value, number) &&
        macro.setGeneralVariable(Ktx_String(name.c_str()), number) == Acad::eOk)
        result = Applied::kDone;
    return result;
}

// Sets the first offset of cut `name` in the tab's modules of one macro.
Applied setCut(Ktx_Macro& macro, const Ktx_StringArray& modules, const std::string& name,
               const std::string& value) {
    return forEachModule(macro, modules, value, [&](Ktx_Module& m, double number) {
        Ktx_CutConstraint* cut = m.findCut(name);
        AcArray<int> offsets;
        if (!cut || !getCutOffsets(cut->cutType, offsets) || offsets.length() == 0) return false;
        return getSetCutValue(&m, cut, offsets[0], number, false) == Acad::eOk;
    });
}

Applied applyOne(Ktx_Macro& macro, const Ktx_StringArray& modules, const MacroDifference& d) {
    switch (d.kind) {
        case MacroDifference::kCell:
            return setVariable(macro, modules, d.name, d.value);
        case MacroDifference::kCut:
            return setCut(macro, modules, d.name, d.value);
        default:
            return Applied::kNone;  // bolt fields and counts live in the tab data only
    }
}

void storeInTab(MacroTabData& tab, const MacroDifference& d) {
    if (d.kind == MacroDifference::kCell) {
        if (MacroCell* c = tab.findCellWithName(Ktx_String(d.name.c_str()))) c->value = d.value;
    } else if (d.kind == MacroDifference::kCut) {
        double v = 0.0;
        MacroCut* c = tab.findCutWithName(Ktx_String(d.name.c_str()));
        if (c && macroParseNumber(d.value, v)) c->value = v;
    }
}

}  // namespace

Acad::ErrorStatus UpdateModule(const Ktx_String& tabName, MacroData& data,
                               const MacroDifferences& diffs) {
    int index = -1;
    if (!data.findTab(tabName, index)) return Acad::eKeyNotFound;
    bool badValue = false;
    bool allApplied = true;
    for (const MacroDifference& d : diffs) {
        bool applied = d.kind != MacroDifference::kCell && d.kind != MacroDifference::kCut;
        for (Ktx_Macro* macro : data.edit.macros) {
            Ktx_StringArray modules;
            if (!macro) continue;
            getModNamesOfGroup(macro, tabName, modules);
            Applied a = applyOne(*macro, modules, d);
            badValue = badValue || a == Applied::kBadValue;
            applied = applied || a == Applied::kDone;
        }
        if (applied) storeInTab(*data.getTab(index), d);
        allApplied = allApplied && applied;
    }
    if (badValue) return Acad::eInvalidInput;
    return allApplied ? Acad::eOk : Acad::eKeyNotFound;
}

Acad::ErrorStatus MacroData::reApply() {
    Acad::ErrorStatus result = Acad::eOk;
    for (MacroTabData& tab : tabs) {
        MacroDifferences all;
        for (const MacroCell& c : tab.edit.cells)
            if (!c.readOnly) all.push_back({MacroDifference::kCell, c.name, c.value});
        for (const MacroCut& c : tab.edit.cuts)
            all.push_back({MacroDifference::kCut, c.name, macroNumberText(c.value)});
        if (all.empty()) continue;
        Acad::ErrorStatus es = UpdateModule(Ktx_String(tab.name.c_str()), *this, all);
        if (es != Acad::eOk) result = es;
    }
    return result;
}

void MacroData::refreshFromMacros() {
    if (edit.macros.empty() || !edit.macros[0]) return;
    Ktx_Macro& macro = *edit.macros[0];
    for (MacroTabData& tab : tabs) {
        Ktx_StringArray modules;
        getModNamesOfGroup(&macro, Ktx_String(tab.name.c_str()), modules);
        for (MacroCell& cell : tab.edit.cells) {
            double value = 0.0;
            for (int i = 0; i < modules.length(); ++i) {
                Ktx_Module* module = macro.findModule(modules[i]);
                if (Ktx_ConstrVar* var = module ? module->findVariable(cell.name) : nullptr)
                    cell.value = macroNumberText(var->value);
            }
            if (macro.generalVariableValue(Ktx_String(cell.name.c_str()), value))
                cell.value = macroNumberText(value);
        }
    }
}
