// The module, macro and command calls of the constraint editor's Core side.
#include "edit_constr_calls.h"

#include <algorithm>

#include "edit_constr_pick.h"

namespace {

void note(EditConstrData& data, const std::string& line) {
    data.drawing->log.push_back(line);
}

std::string currentName(const EditConstrData& data) {
    return data.currentModule.str();
}

bool validModuleName(const Ktx_String& name) {
    const std::string& s = name.str();
    return !s.empty() && s.find_first_of("\r\n") == std::string::npos;
}

void renameInGroups(Ktx_Macro& macro, const std::string& from, const std::string& to) {
    for (Ktx_ModuleGroup& g : macro.groups) {
        for (std::string& m : g.moduleNames) {
            if (m == from) m = to;
        }
    }
}

Acad::ErrorStatus addModule(EditConstrData& data, Ktx_MacroDesign& design) {
    int n = static_cast<int>(design.macro.modules.size()) + 1;
    while (design.macro.findModule(Ktx_String("Module" + std::to_string(n))) != nullptr) ++n;
    Ktx_Module module;
    module.name = "Module" + std::to_string(n);
    design.macro.modules.push_back(module);
    design.designs.push_back(Ktx_ModuleDesign{module.name, {}, {}, {}, 0});
    note(data, "add module " + module.name);
    return Acad::eOk;
}

Acad::ErrorStatus addGeometry(EditConstrData& data, const std::string& stem,
                              const std::string& kind) {
    Ktx_ModuleDesign* m = data.current();
    if (m == nullptr) return Acad::eKeyNotFound;
    int n = 1;
    auto taken = [m](const std::string& name) {
        return std::any_of(m->geometry.begin(), m->geometry.end(),
                           [&](const Ktx_GeomObject& g) { return g.name == name; });
    };
    while (taken(stem + std::to_string(n))) ++n;
    m->geometry.push_back(Ktx_GeomObject{stem + std::to_string(n), kind, true, false});
    note(data, "add " + kind + " " + m->module + " " + m->geometry.back().name);
    return Acad::eOk;
}

// Dimensions a new constraint of each dimensioned kind starts with.
std::vector<double> startValues(const std::string& kind) {
    if (kind == "Distance") return {100.0};
    if (kind == "Angle") return {90.0};
    if (kind == "Radius") return {10.0};
    return {};
}

int startOptionCount(const std::string& kind) {
    if (kind == "Tangent" || kind == "Coincident") return 2;
    if (kind == "Distance") return 3;
    if (kind == "Angle") return 4;
    return 0;
}

Acad::ErrorStatus addConstraint(EditConstrData& data, int command) {
    Ktx_ModuleDesign* m = data.current();
    if (m == nullptr) return Acad::eKeyNotFound;
    const std::string& kind = constraintKinds()[static_cast<size_t>(command)];
    Ktx_Constraint c;
    c.texts[0] = Ktx_String(kind);
    std::vector<std::string> names;
    for (const Ktx_GeomObject& g : m->geometry) names.push_back(g.name);
    for (int i = 0; i < constraintKindArity(kind); ++i) {
        const int picked = pickInDrawing(names);
        if (picked < 0) return Acad::eNotApplicable;
        c.texts[i + 1] = Ktx_String(names[static_cast<size_t>(picked)]);
        names.erase(names.begin() + picked);
    }
    c.values = startValues(kind);
    c.optionCount = startOptionCount(kind);
    c.option = c.optionCount > 0 ? 1 : 0;
    m->constraints.push_back(c);
    note(data, "add constraint " + m->module + " " + kind);
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus MacroGetModules(const EditConstrData& data, Ktx_StringArray& names) {
    Ktx_MacroDesign* d = data.design();
    if (d == nullptr) return Acad::eNullObjectPointer;
    d->macro.getModuleNames(names);
    return Acad::eOk;
}

Acad::ErrorStatus SetCurrentModule(EditConstrData& data) {
    Ktx_MacroDesign* d = data.design();
    if (d == nullptr) return Acad::eNullObjectPointer;
    if (data.current() == nullptr) return Acad::eKeyNotFound;
    data.drawing->highlighted.clear();
    data.drawing->highlightedObject.clear();
    note(data, "current module " + currentName(data));
    return Acad::eOk;
}

Acad::ErrorStatus SelectOtherMacro(EditConstrData& data) {
    if (data.design() == nullptr) return Acad::eNullObjectPointer;
    std::vector<std::string> names;
    std::vector<int> indices;
    for (int i = 0; i < static_cast<int>(data.drawing->macros.size()); ++i) {
        if (i == data.macro) continue;
        names.push_back(data.drawing->macros[static_cast<size_t>(i)].macro.name);
        indices.push_back(i);
    }
    const int picked = pickInDrawing(names);
    if (picked < 0) return Acad::eNotApplicable;
    data.macro = indices[static_cast<size_t>(picked)];
    const Ktx_Macro& chosen = data.design()->macro;
    data.currentModule = Ktx_String(chosen.modules.empty() ? "" : chosen.modules.front().name);
    note(data, "select macro " + chosen.name);
    return Acad::eOk;
}

Acad::ErrorStatus RemoveModule(EditConstrData& data, const Ktx_String& moduleName) {
    Ktx_MacroDesign* d = data.design();
    if (d == nullptr) return Acad::eNullObjectPointer;
    const std::string name = moduleName.str();
    auto& modules = d->macro.modules;
    auto found = std::find_if(modules.begin(), modules.end(),
                              [&](const Ktx_Module& m) { return m.name == name; });
    if (found == modules.end()) return Acad::eKeyNotFound;
    modules.erase(found);
    std::erase_if(d->designs, [&](const Ktx_ModuleDesign& m) { return m.module == name; });
    for (Ktx_ModuleGroup& g : d->macro.groups) std::erase(g.moduleNames, name);
    note(data, "remove module " + name);
    return Acad::eOk;
}

Acad::ErrorStatus RenameModule(EditConstrData& data, const Ktx_String& oldName,
                               const Ktx_String& newName) {
    Ktx_MacroDesign* d = data.design();
    if (d == nullptr) return Acad::eNullObjectPointer;
    if (!validModuleName(newName)) return Acad::eInvalidInput;
    Ktx_Module* module = d->macro.findModule(oldName);
    if (module == nullptr) return Acad::eKeyNotFound;
    if (oldName.str() == newName.str()) return Acad::eOk;
    if (d->macro.findModule(newName) != nullptr) return Acad::eDuplicateKey;
    d->designOf(oldName.str())->module = newName.str();
    module->name = newName.str();
    renameInGroups(d->macro, oldName.str(), newName.str());
    if (data.currentModule.str() == oldName.str()) data.currentModule = newName;
    note(data, "rename module " + oldName.str() + " " + newName.str());
    return Acad::eOk;
}

Acad::ErrorStatus ZoomCommand(EditConstrData& data) {
    if (data.design() == nullptr) return Acad::eNullObjectPointer;
    note(data, "zoom " + currentName(data));
    return Acad::eOk;
}

Acad::ErrorStatus StartMacroCommand(EditConstrData& data, int command) {
    Ktx_MacroDesign* d = data.design();
    if (d == nullptr) return Acad::eNullObjectPointer;
    if (command < 0 || command > 13) return Acad::eInvalidInput;
    note(data, "command " + std::to_string(command));
    if (command == 11) return addModule(data, *d);
    if (command == 12) return addGeometry(data, "Pattern", "pattern");
    if (command == 13) return addGeometry(data, "UCS", "coordsys");
    return addConstraint(data, command);
}

void NoteEditorCommand(EditConstrData& data, bool begin) {
    if (data.drawing != nullptr)
        note(data, begin ? "begin editor command" : "complete editor command");
}
