#include "edit_constr_data.h"

#include "ktx_module.h"

Ktx_ModuleDesign* Ktx_MacroDesign::designOf(const std::string& moduleName) {
    if (macro.findModule(Ktx_String(moduleName)) == nullptr) return nullptr;
    for (Ktx_ModuleDesign& d : designs) {
        if (d.module == moduleName) return &d;
    }
    designs.push_back(Ktx_ModuleDesign{moduleName, {}, {}, {}, 0});
    return &designs.back();
}

Ktx_MacroDesign* EditConstrData::design() const {
    if (drawing == nullptr || macro < 0 || macro >= static_cast<int>(drawing->macros.size()))
        return nullptr;
    return &drawing->macros[static_cast<size_t>(macro)];
}

Ktx_ModuleDesign* EditConstrData::current() const {
    Ktx_MacroDesign* d = design();
    return d ? d->designOf(currentModule.str()) : nullptr;
}

Ktx_Constraint* EditConstrData::constraint(int index) const {
    Ktx_ModuleDesign* m = current();
    if (m == nullptr || index < 0 || index >= static_cast<int>(m->constraints.size()))
        return nullptr;
    return &m->constraints[static_cast<size_t>(index)];
}

Ktx_StringArray ConstraintRowTexts(const Ktx_Constraint& c) {
    Ktx_StringArray row;
    for (int i = 0; i < 3; ++i) row.append(i < c.texts.length() ? c.texts[i] : Ktx_String());
    if (c.usesVariable() && c.texts.length() > 3) {
        row.append(c.texts[3]);
    } else if (c.hasValue()) {
        row.append(Ktx_String(macroNumberText(c.values[0])));
    } else {
        row.append(Ktx_String());
    }
    return row;
}

const std::vector<std::string>& constraintKinds() {
    static const std::vector<std::string> kinds = {
        "Parallel",    "Perpendicular", "Coincident", "Symmetric", "Tangent", "Concentric",
        "EqualRadius", "Distance",      "Angle",      "Radius",    "Fix"};
    return kinds;
}

int constraintKindArity(const std::string& kind) {
    if (kind == "Radius" || kind == "Fix") return 1;
    for (const std::string& k : constraintKinds()) {
        if (k == kind) return 2;
    }
    return 0;
}

bool constraintKindHasValue(const std::string& kind) {
    return kind == "Distance" || kind == "Angle" || kind == "Radius";
}

const Ktx_VarEq* findVariable(const Ktx_ModuleDesign& design, const std::string& name) {
    for (const Ktx_VarEq& v : design.varsEqs) {
        if (v.kind != kVarEqEquation && Ktx_String(v.name).equal(Ktx_String(name), false))
            return &v;
    }
    return nullptr;
}

void applyVariables(Ktx_ModuleDesign& design) {
    for (Ktx_Constraint& c : design.constraints) {
        if (!c.usesVariable() || !c.hasValue()) continue;
        if (const Ktx_VarEq* v = findVariable(design, c.texts[3].str())) c.values[0] = v->value;
    }
}
