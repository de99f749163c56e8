// The catalogue: every property of a macro that a spreadsheet variable can be mapped to.
#include "section_table_manager.h"
#include "vn_ss_mapping.h"

namespace {
// Maps of properties that are no dialog variables keep the default visibility of a map.
constexpr int kUnsetVisibility = 3;
}  // namespace

void VnSSMapping::addMap(const Ktx_String& objectName, const Ktx_String& varName, VnMapKind kind,
                         int visibility, const Ktx_String& label) {
    VnObjectMap m;
    m.objectName = objectName;
    m.varName = varName;
    m.kind = kind;
    m.visibility = visibility;
    m.label = label;
    appendMap(m);
}

Acad::ErrorStatus VnSSMapping::initAllVarsFromMacro(Ktx_DbMacro* macro, AcTransaction* /*tr*/) {
    if (!macro) return Acad::eInvalidInput;
    if (macro->openMode() == Ktx_OpenMode::kClosed) macro->open(Ktx_OpenMode::kForRead);
    Ktx_StringArray names;
    macro->getModuleNames(names);
    for (int i = 0; i < names.length(); ++i) {
        const Ktx_Module* module = macro->findModule(names[i]);
        if (!module) continue;
        const Ktx_String objectName =
            module->label.empty() ? module->getName() : module->getLabel();
        addAllVariables(*module, objectName);
        addAllCuts(*module, objectName);
        addAllPatterns(*module, objectName);
        addAllProfPlacements(*module, objectName);
    }
    addAllBaseProfs(*macro);
    addAllGenVars(*macro);
    return Acad::eOk;
}

void VnSSMapping::addAllVariables(const Ktx_Module& module, const Ktx_String& objectName) {
    Ktx_StringArray names;
    std::vector<bool> visible, settable;
    module.getDialogVariables(names, visible, settable);
    for (int i = 0; i < names.length(); ++i)
        addMap(objectName, names[i], VnMapDistance,
               visibilityCode(visible[static_cast<size_t>(i)], settable[static_cast<size_t>(i)]));
}

void VnSSMapping::addAllCuts(const Ktx_Module& module, const Ktx_String& objectName) {
    Ktx_StringArray names;
    AcArray<int> cutTypes;
    module.getCutConstraints(names, cutTypes);
    for (int i = 0; i < names.length(); ++i) {
        AcArray<int> offsets;
        getCutOffsets(cutTypes[i], offsets);
        for (int offsetType : offsets) {
            VnMapKind kind = VnMapNone;
            if (cutOffsetTypeToMapKind(offsetType, kind)) addMap(objectName, names[i], kind, 0);
        }
    }
}

void VnSSMapping::addAllPatterns(const Ktx_Module& module, const Ktx_String& objectName) {
    if (!module.isBoltModule()) return;
    addMap(objectName, Ktx_String(), VnMapBoltsDiameter, kUnsetVisibility);
    addMap(objectName, Ktx_String(), VnMapBoltsHoleOffset, kUnsetVisibility);
    AcArray<int> ids;
    module.getPatternIds(ids);
    for (int id : ids) {
        const Ktx_BoltPattern* pattern = module.getPattern(id);
        if (!pattern) continue;
        const Ktx_String name(pattern->name);
        addMap(objectName, name, VnMapPatternNrBolts1, kUnsetVisibility);
        addMap(objectName, name, VnMapPatternReverseStart1, kUnsetVisibility);
        if (!pattern->twoDirectional) continue;
        addMap(objectName, name, VnMapPatternNrBolts2, kUnsetVisibility);
        addMap(objectName, name, VnMapPatternReverseStart2, kUnsetVisibility);
    }
}

void VnSSMapping::addAllProfPlacements(const Ktx_Module& module, const Ktx_String& objectName) {
    if (!module.isProfileModule()) return;
    Ktx_StringArray groups;
    module.getMemberGroups(groups);
    for (int i = 0; i < groups.length(); ++i)
        if (!groups[i].isEmpty())
            addMap(objectName, groups[i], VnMapOwnedMemberName, kUnsetVisibility);
}

void VnSSMapping::addAllBaseProfs(Ktx_Macro& macro) {
    for (int i = 0;; ++i) {
        Ktx_Placement* profile = nullptr;
        if (getBaseProf(&macro, i, profile) != Acad::eOk) break;
        const Ktx_String prof = "Prof" + Ktx_String(i);
        addMap(Ktx_String(), prof, VnMapPrPlName, kUnsetVisibility);
        addMap(Ktx_String(), prof, VnMapPrPlMaterial, kUnsetVisibility);
        Ktx_String section;
        Ktx_StringArray columns;
        if (profile->getSectionName(section) != Acad::eOk ||
            gSectionTables.getSectionColumnNames(section, columns) != Acad::eOk)
            continue;
        for (int j = 0; j < columns.length(); ++j)
            addMap(Ktx_String(), prof + ";" + Ktx_String(j), VnMapMemberSectionSize,
                   kUnsetVisibility, columns[j]);
    }
}

void VnSSMapping::addAllGenVars(const Ktx_Macro& macro) {
    Ktx_StringArray names;
    macro.getGeneralVariables(names);
    for (int i = 0; i < names.length(); ++i) addMap(Ktx_String(), names[i], VnMapGenVar, 0);
}
