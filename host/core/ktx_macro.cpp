#include "ktx_macro.h"

#include <string_view>

namespace {

template <typename T, typename Items>
T* findNamed(Items& items, const char* name) {
    for (auto& item : items)
        if (item.name == name) return &item;
    return nullptr;
}

}  // namespace

void Ktx_Macro::getModuleNames(Ktx_StringArray& names) const {
    names.setLogicalLength(0);
    for (const Ktx_Module& m : modules) names.append(Ktx_String(m.name.c_str()));
}

Ktx_Module* Ktx_Macro::findModule(const Ktx_String& moduleName) {
    return findNamed<Ktx_Module>(modules, moduleName.c_str());
}

const Ktx_Module* Ktx_Macro::findModule(const Ktx_String& moduleName) const {
    return findNamed<const Ktx_Module>(modules, moduleName.c_str());
}

void Ktx_Macro::getGeneralVariables(Ktx_StringArray& names) const {
    names.setLogicalLength(0);
    for (const Ktx_GeneralVariable& g : generalVariables) names.append(Ktx_String(g.name.c_str()));
}

bool Ktx_Macro::generalVariableValue(const Ktx_String& varName, double& value) const {
    const Ktx_GeneralVariable* g =
        findNamed<const Ktx_GeneralVariable>(generalVariables, varName.c_str());
    if (!g) return false;
    value = g->value;
    return true;
}

Acad::ErrorStatus Ktx_Macro::setGeneralVariable(const Ktx_String& varName, double value) {
    Ktx_GeneralVariable* g = findNamed<Ktx_GeneralVariable>(generalVariables, varName.c_str());
    if (!g) return Acad::eKeyNotFound;
    g->value = value;
    return Acad::eOk;
}

Acad::ErrorStatus Ktx_DbMacro::open(Ktx_OpenMode mode) {
    mode_ = mode;
    return Acad::eOk;
}

void Ktx_DbMacro::assertWriteEnabled() {
    mode_ = Ktx_OpenMode::kForWrite;
    modified_ = true;
}

Acad::ErrorStatus getModNamesOfGroup(Ktx_Macro* macro, const Ktx_String& group,
                                     Ktx_StringArray& names) {
    names.setLogicalLength(0);
    if (!macro) return Acad::eInvalidInput;
    const std::string_view wanted(group.c_str());
    if (wanted.empty()) return Acad::eOk;
    for (const Ktx_ModuleGroup& g : macro->groups) {
        if (g.name != wanted) continue;
        for (const std::string& m : g.moduleNames) names.append(Ktx_String(m.c_str()));
        return Acad::eOk;
    }
    for (const Ktx_Module& m : macro->modules) {
        const std::string& tabName = m.label.empty() ? m.name : m.label;
        if (tabName == wanted) names.append(Ktx_String(m.name.c_str()));
    }
    if (names.length() > 0) return Acad::eOk;
    // A labelled module is addressed by its name too.
    for (const Ktx_Module& m : macro->modules)
        if (m.name == wanted) names.append(Ktx_String(m.name.c_str()));
    return names.length() > 0 ? Acad::eOk : Acad::eKeyNotFound;
}

Acad::ErrorStatus openModule(Ktx_Macro* macro, const Ktx_String& moduleName, Ktx_Module*& module,
                             bool /*forWrite*/) {
    Ktx_Module* found = macro ? macro->findModule(moduleName) : nullptr;
    if (!found) return Acad::eKeyNotFound;
    module = found;
    return Acad::eOk;
}

Acad::ErrorStatus getBaseProf(Ktx_Macro* macro, int n, Ktx_Placement*& profile) {
    if (!macro || n < 0 || n >= static_cast<int>(macro->baseProfiles.size()))
        return Acad::eInvalidInput;
    profile = &macro->baseProfiles[static_cast<size_t>(n)];
    return Acad::eOk;
}
