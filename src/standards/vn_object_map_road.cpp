// The object-map road: reading and writing the macro property an object map links to.
#include <cstdint>
#include <cstdlib>

#include "macro_var_path.h"
#include "section_table_manager.h"
#include "string_helpers.h"
#include "vn_macro_pass.h"
#include "vn_object_map.h"

namespace {

// The kinds a module of the object's group answers: every kind but none, general variables
// and the base-profile kinds.
constexpr std::uint32_t kModuleKinds =
    ((1u << kVnMapKindCount) - 1) &
    ~((1u << VnMapNone) | (1u << VnMapGenVar) | (1u << VnMapPrPlName) | (1u << VnMapPrPlMaterial) |
      (1u << VnMapMemberSectionSize));

bool isModuleKind(int kind) {
    return kind >= 0 && kind < kVnMapKindCount && ((kModuleKinds >> kind) & 1u) != 0;
}

// The profile number n of a text "Prof" + n; false when the rest is not a number.
bool profileNumber(const Ktx_String& text, int& n) {
    if (!text.startsWith("Prof")) return false;
    Ktx_String rest = text.getSubStringAt(4);
    if (rest.isEmpty() || rest.str().find_first_not_of("0123456789") != std::string::npos)
        return false;
    n = rest.toInt();
    return true;
}

}  // namespace

Acad::ErrorStatus VnObjectMap::getSetMacroVarValue(Ktx_DbMacro* macro, MacroData* data,
                                                   Ktx_String& value, bool get, AcTransaction* tr,
                                                   VnMacroPass* pass) const {
    if (!macro) return Acad::eInvalidInput;
    macro->assertWriteEnabled();
    const bool moduleKind = isModuleKind(kind);
    bool anyModule = false;
    Acad::ErrorStatus found = Acad::eOk;
    if (pass && moduleKind) {
        std::span<const VnMacroPass::Target> targets;
        found = pass->find(macro, data, objectName, targets);
        for (const VnMacroPass::Target& t : targets)
            if (getSetModuleProperty(t.module, t.tab, value, get, tr) == Acad::eOk)
                anyModule = true;
    } else {
        found = forEachModuleOfGroup(
            macro, std::string_view(objectName.c_str()), [&](std::string_view m) {
                if (getSetModuleVarValue(macro, data, m, value, get, tr) == Acad::eOk)
                    anyModule = true;
            });
    }
    if (found != Acad::eOk) return Acad::eInvalidInput;
    if (moduleKind) return anyModule ? Acad::eOk : Acad::eInvalidInput;
    if (kind == VnMapGenVar) return accessGeneralVariable(macro, varName, value, get, 8);
    if (!get) return Acad::eInvalidInput;  // base-profile kinds are read only
    return getBaseProfileValue(macro, value);
}

Acad::ErrorStatus VnObjectMap::getBaseProfileValue(Ktx_Macro* macro, Ktx_String& value) const {
    Ktx_String profText = varName, columnText;
    if (kind == VnMapMemberSectionSize && !splitString(varName, ";", profText, columnText, false))
        return Acad::eInvalidInput;
    int n = 0;
    if (!profileNumber(profText, n)) return Acad::eInvalidInput;
    Ktx_Placement* profile = nullptr;
    Ktx_String text;
    if (getBaseProf(macro, n, profile) != Acad::eOk) return Acad::eInvalidInput;
    if (kind == VnMapPrPlMaterial) {
        if (profile->getMaterial(text) != Acad::eOk) return Acad::eInvalidInput;
    } else if (profile->getSectionName(text) != Acad::eOk) {
        return Acad::eInvalidInput;
    }
    if (kind == VnMapMemberSectionSize) {
        Ktx_String cell;
        Acad::ErrorStatus es =
            gSectionTables.getSectionValue(text, std::atoi(columnText.c_str()), cell);
        if (es != Acad::eOk) return es;
        text = cell;
    }
    value = text;
    return Acad::eOk;
}

Acad::ErrorStatus VnObjectMap::getSetModuleVarValue(Ktx_Macro* macro, MacroData* data,
                                                    std::string_view moduleName, Ktx_String& value,
                                                    bool get, AcTransaction* tr) const {
    if (!isModuleKind(kind)) return Acad::eNotApplicable;
    Ktx_Module* module = macro->findModuleNamed(moduleName);
    if (!module) return Acad::eInvalidInput;
    MacroTabData* tab = findModuleTab(module, data);
    if (!tab) return Acad::eInvalidInput;
    return getSetModuleProperty(module, tab, value, get, tr);
}

Acad::ErrorStatus VnObjectMap::getSetModuleProperty(Ktx_Module* module, MacroTabData* tab,
                                                    Ktx_String& value, bool get,
                                                    AcTransaction* tr) const {
    // Distances are most of a mapping: taken before the cut kinds are sorted out.
    if (kind == VnMapDistance) return accessConstrVar(module, tab, varName, value, get);
    int offsetType = 0;
    if (mapKindToCutOffsetType(kind, offsetType))
        return accessCutOffset(module, varName, offsetType, value, get);
    switch (kind) {
        case VnMapOwnedMemberName:
            return accessMemberName(tab, varName, value, get);
        case VnMapPatternNrBolts1:
        case VnMapPatternNrBolts2:
            if (!module->isBoltModule()) return Acad::eInvalidInput;
            return getSetNrBolts(tab, varName, value, get, kind == VnMapPatternNrBolts1);
        case VnMapPatternReverseStart1:
        case VnMapPatternReverseStart2:
            return accessReverseStart(module, varName, kind == VnMapPatternReverseStart1, value,
                                      get, tr);
        case VnMapBoltsDiameter:
            return accessBoltText(tab, true, value, get);
        case VnMapBoltsHoleOffset:
            return accessBoltText(tab, false, value, get);
        default:
            return Acad::eInvalidInput;
    }
}
