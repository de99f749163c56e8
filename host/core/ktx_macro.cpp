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

Ktx_Module* Ktx_Macro::findModuleNamed(std::string_view moduleName) {
    for (Ktx_Module& m : modules)
        if (m.name == moduleName) return &m;
    return nullptr;
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

Acad::ErrorStatus getModNamesOfGroup(Ktx_Macro* macro, const Ktx_String& group,
                                     Ktx_StringArray& names) {
    names.setLogicalLength(0);
    return forEachModuleOfGroup(macro, std::string_view(group.c_str()), [&](std::string_view m) {
        names.append(Ktx_String(std::string(m)));
    });
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
