#include "macro_var_path.h"

#include <cstdlib>

#include "string_helpers.h"

namespace {

const char* const kCutSuffixes[9] = {".Cut",       ".CutPoly",   ".CutLength",
                                     ".CutCenter", ".CutInside", ".CutOutside",
                                     ".Chamfer1",  ".Chamfer2",  ".CutRadius"};

// The object, cut, pattern or group part of a suffixed path: the text before the last ".".
Ktx_String objectOf(const Ktx_String& path) {
    return getSubstrBefore(path, ".", true);
}

int cutSuffixOffsetType(const Ktx_String& path) {
    for (int i = 0; i < 9; ++i)
        if (path.endsWith(kCutSuffixes[i])) return i;
    return -1;
}

// Step: a named placement's section name or material (reading a String only). Returns
// eNotApplicable when the path is not such a read or the module has no such placement.
Acad::ErrorStatus readPlacement(const Ktx_String& path, VnValueType type, Ktx_Module* module,
                                Ktx_String& value, bool get) {
    const bool name = path.endsWith(".Name"), material = path.endsWith(".Material");
    if (!get || type != VnValueString || (!name && !material)) return Acad::eNotApplicable;
    Ktx_Placement* placement = getNamedPrpl(module, objectOf(path));
    if (!placement) return Acad::eNotApplicable;
    return name ? placement->getSectionName(value) : placement->getMaterial(value);
}

// The numeric suffixed forms: cuts, bolt texts, reverse starts; eNotApplicable for others.
Acad::ErrorStatus numericSuffix(const Ktx_String& path, Ktx_Module* module, MacroTabData* tab,
                                Ktx_String& value, bool get) {
    const int offsetType = cutSuffixOffsetType(path);
    if (offsetType >= 0) return accessCutOffset(module, objectOf(path), offsetType, value, get);
    if (path.endsWith(".Diameter")) return accessBoltText(tab, true, value, get);
    if (path.endsWith(".HoleOffset")) return accessBoltText(tab, false, value, get);
    return Acad::eNotApplicable;
}

Acad::ErrorStatus reverseStartSuffix(const Ktx_String& path, Ktx_Module* module, Ktx_String& value,
                                     bool get, AcTransaction* tr) {
    if (path.endsWith(".ReverseStart1"))
        return accessReverseStart(module, objectOf(path), true, value, get, tr);
    if (path.endsWith(".ReverseStart2"))
        return accessReverseStart(module, objectOf(path), false, value, get, tr);
    return Acad::eNotApplicable;
}

}  // namespace

MacroTabData* findModuleTab(const Ktx_Module* module, MacroData* data) {
    if (!module || !data) return nullptr;
    const std::string& tabName = module->label.empty() ? module->name : module->label;
    return data->tabNamed(std::string_view(tabName.c_str()));
}

Acad::ErrorStatus accessGeneralVariable(Ktx_Macro* macro, const Ktx_String& name, Ktx_String& value,
                                        bool get, int decimals) {
    if (!macro) return Acad::eInvalidInput;
    if (!get) return macro->setGeneralVariable(name, std::atof(value.c_str()));
    double number = 0.0;
    if (!macro->generalVariableValue(name, number)) return Acad::eKeyNotFound;
    value = Ktx_String(number, decimals);
    return Acad::eOk;
}

Acad::ErrorStatus accessCutOffset(Ktx_Module* module, const Ktx_String& cutName, int offsetType,
                                  Ktx_String& value, bool get) {
    Ktx_CutConstraint* cut = nullptr;
    Acad::ErrorStatus es = getCutConstraint(module, cutName, cut);
    if (es != Acad::eOk) return es;
    double number = get ? 0.0 : std::atof(value.c_str());
    es = getSetCutValue(module, cut, offsetType, number, get);
    if (es == Acad::eOk && get) value = Ktx_String(number, 7);
    return es;
}

Acad::ErrorStatus accessBoltText(MacroTabData* tab, bool diameter, Ktx_String& value, bool get) {
    MacroBoltData* bolts = tab ? tab->getBoltData() : nullptr;
    if (!bolts) return Acad::eInvalidInput;
    std::string& text = diameter ? bolts->diameter : bolts->holeOffset;
    if (get)
        value = Ktx_String(text);
    else
        text = value.str();
    return Acad::eOk;
}

Acad::ErrorStatus accessReverseStart(Ktx_Module* module, const Ktx_String& pattern, bool firstStart,
                                     Ktx_String& value, bool get, AcTransaction* tr) {
    if (!module || !module->isBoltModule()) return Acad::eInvalidInput;
    Ktx_BoltPattern* found = nullptr;
    Acad::ErrorStatus es = findPattern(module, pattern, found, tr);
    if (es != Acad::eOk) return es;
    bool flag = value == "1";
    es = getSetBoltPatternReverses(module, found, firstStart, get, flag, tr);
    if (es == Acad::eOk && get) value = flag ? "0" : "1";
    return es;
}

Acad::ErrorStatus accessConstrVar(Ktx_Module* module, MacroTabData* tab, const Ktx_String& name,
                                  Ktx_String& value, bool get) {
    bool fixed = false, flexible = false;
    if (!get && tab && tab->getFlexFixBtnStatus(name, fixed, flexible) && !(fixed && !flexible))
        tab->flexFixBtnClicked(name, false);
    return getSetConstrVarValue(module, name, value, get);
}

Acad::ErrorStatus accessMemberName(MacroTabData* tab, const Ktx_String& group, Ktx_String& value,
                                   bool get) {
    MacroProfData props;
    if (!tab || !tab->getMergedPropsOfGroup(group, props)) return Acad::eInvalidInput;
    if (get) {
        value = props.memberName;
        return Acad::eOk;
    }
    props.memberName = value;
    return tab->setMergedPropsOfGroup(group, props) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus getSetModuleVarPath(const Ktx_String& path, VnValueType type, Ktx_Macro* macro,
                                      Ktx_Module* module, MacroData* data, Ktx_String& value,
                                      bool get, AcTransaction* tr) {
    if (!module || !data) return Acad::eInvalidInput;
    MacroTabData* tab = findModuleTab(module, data);
    if (!tab) return Acad::eInvalidInput;
    const bool numeric = isNumericValueType(type);
    if (numeric && path.startsWith("gen.")) {
        Ktx_String name = "gen_" + path.getSubStringAt(4);
        Ktx_StringArray generals;
        if (macro) macro->getGeneralVariables(generals);
        if (!generals.contains(name, false)) return Acad::eKeyNotFound;
        return accessGeneralVariable(macro, name, value, get, 4);
    }
    Acad::ErrorStatus es = readPlacement(path, type, module, value, get);
    if (es != Acad::eNotApplicable) return es;
    if (numeric && (es = numericSuffix(path, module, tab, value, get)) != Acad::eNotApplicable)
        return es;
    if (path.endsWith(".NrBolts1") || path.endsWith(".NrBolts2"))
        return getSetNrBolts(tab, objectOf(path), value, get, path.endsWith(".NrBolts1"));
    if (numeric && (es = reverseStartSuffix(path, module, value, get, tr)) != Acad::eNotApplicable)
        return es;
    if (numeric) return accessConstrVar(module, tab, path, value, get);
    if (path.endsWith(".MemberName")) return accessMemberName(tab, objectOf(path), value, get);
    return Acad::eInvalidInput;
}
