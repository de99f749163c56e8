// Applying a tab's edited values to the macros of the macro data, and back.
#include <algorithm>
#include <cstdlib>

#include "ktx_macro.h"
#include "macro_data.h"
#include "macro_prop_file.h"

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

// Gives the placement named after a profile group in the tab's modules its new section.
void setGroupSection(Ktx_Macro& macro, const Ktx_StringArray& modules, const std::string& group,
                     const std::string& section) {
    for (int i = 0; i < modules.length(); ++i) {
        Ktx_Module* module = macro.findModule(modules[i]);
        if (Ktx_Placement* p = module ? module->findPlacement(group) : nullptr)
            p->sectionName = section;
    }
}

Applied applyOne(Ktx_Macro& macro, const Ktx_StringArray& modules, const MacroDifference& d) {
    switch (d.kind) {
        case MacroDifference::kCell:
            return setVariable(macro, modules, d.name, d.value);
        case MacroDifference::kCut:
            return setCut(macro, modules, d.name, d.value);
        case MacroDifference::kProfileName:
            setGroupSection(macro, modules, d.name, d.value);
            return Applied::kNone;
        default:
            return Applied::kNone;  // the rest lives in the tab data only
    }
}

bool storeArrayValue(MacroTabData& tab, const MacroDifference& d) {
    MacroArray* a = tab.findArrayWithName(Ktx_String(d.name.c_str()));
    if (!a) return false;
    MacroArrayField* f = nullptr;
    if (d.field == "count") f = &a->count;
    if (d.field.size() == 1 && d.field[0] >= '1' && d.field[0] <= '4')
        f = &a->fields[d.field[0] - '1'];
    if (d.field.rfind("entry", 0) == 0 && d.field.size() > 5)
        f = a->getEntry(std::atoi(d.field.c_str() + 5));
    if (f) f->value = d.value;
    return f != nullptr;
}

bool storeInGroup(MacroTabData& tab, const MacroDifference& d) {
    MacroGroupProps* g = tab.findProfDataWithGroup(Ktx_String(d.name.c_str()));
    if (!g) return false;
    if (d.kind == MacroDifference::kProfileName) g->sectionName = d.value;
    if (d.kind == MacroDifference::kProfileOffset) g->offsetType = d.value;
    if (d.kind == MacroDifference::kProfileRotation) g->rotation = d.value;
    return true;
}

bool storeBoltValue(MacroTabData& tab, const MacroDifference& d) {
    Ktx_String value(d.value.c_str());
    const int field = std::atoi(d.name.c_str());
    switch (d.kind) {
        case MacroDifference::kBoltField:
            if (field < 1 || field > 5) return false;
            tab.edit.boltFields[field - 1] = d.value;
            return true;
        case MacroDifference::kBoltCount1:
        case MacroDifference::kBoltCount2:
            return getSetNrBolts(&tab, Ktx_String(d.name.c_str()), value, false,
                                 d.kind == MacroDifference::kBoltCount1) == Acad::eOk;
        case MacroDifference::kBoltAssembly:
            tab.edit.boltAssembly = d.value;
            return true;
        default:  // the diameter: also the bolt data's, which the standards read
            tab.edit.boltDiameter = d.value;
            if (tab.bolts) tab.bolts->diameter = d.value;
            return true;
    }
}

}  // namespace

bool storeDifference(MacroTabData& tab, const MacroDifference& d) {
    double v = 0.0;
    switch (d.kind) {
        case MacroDifference::kCell:
            if (MacroCell* c = tab.findCellWithName(Ktx_String(d.name.c_str()))) {
                c->value = d.value;
                return true;
            }
            return false;
        case MacroDifference::kCut:
            if (MacroCut* c = tab.findCutWithName(Ktx_String(d.name.c_str()));
                c && macroParseNumber(d.value, v)) {
                c->value = v;
                return true;
            }
            return false;
        case MacroDifference::kProfileName:
        case MacroDifference::kProfileOffset:
        case MacroDifference::kProfileRotation:
            return storeInGroup(tab, d);
        case MacroDifference::kArrayValue:
            return storeArrayValue(tab, d);
        case MacroDifference::kBlock:
            if (!tab.edit.hasBlockList) return false;
            tab.edit.currentBlock = d.value;
            return true;
        default:
            return storeBoltValue(tab, d);
    }
}

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
        if (applied) storeDifference(*data.getTab(index), d);
        allApplied = allApplied && applied;
    }
    if (badValue) return Acad::eInvalidInput;
    return allApplied ? Acad::eOk : Acad::eKeyNotFound;
}
