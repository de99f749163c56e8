// The constraint, geometry and variable calls of the constraint editor's Core side.
#include <algorithm>
#include <set>

#include "edit_constr_calls.h"
#include "ktx_module.h"
#include "object_export_sort.h"

namespace {

constexpr const char* kBreak = "%BREAK%";
constexpr const char* kReversed = "Reversed";

void note(EditConstrData& data, const std::string& what, int index) {
    data.drawing->log.push_back(what + " " + data.currentModule.str() + " " +
                                std::to_string(index));
}

bool sameName(const std::string& a, const std::string& b) {
    return Ktx_String(a).equal(Ktx_String(b), false);
}

Ktx_GeomObject* objectAt(EditConstrData& data, int index) {
    Ktx_ModuleDesign* m = data.current();
    if (m == nullptr || index < 0 || index >= static_cast<int>(m->geometry.size())) return nullptr;
    return &m->geometry[static_cast<size_t>(index)];
}

Acad::ErrorStatus setObjectFlag(EditConstrData& data, int index, bool Ktx_GeomObject::*flag,
                                bool on, const std::string& what) {
    Ktx_GeomObject* g = objectAt(data, index);
    if (g == nullptr) return Acad::eInvalidInput;
    g->*flag = on;
    note(data, what, index);
    return Acad::eOk;
}

void kindMenu(const Ktx_Constraint& c, Ktx_StringArray& entries, std::vector<int>& checked) {
    const std::string kind = c.texts[0].str();
    for (const std::string& k : constraintKinds()) {
        if (constraintKindArity(k) != constraintKindArity(kind)) continue;
        if (k == kind) checked.push_back(entries.length());
        entries.append(Ktx_String(k));
    }
    entries.append(Ktx_String(kBreak));
    if ((c.flags & kConstrReversed) != 0) checked.push_back(entries.length());
    entries.append(Ktx_String(kReversed));
}

Acad::ErrorStatus changeKind(Ktx_Constraint& c, const std::string& kind) {
    if (kind == kReversed) {
        c.flags ^= kConstrReversed;
        return Acad::eOk;
    }
    if (constraintKindArity(kind) != constraintKindArity(c.texts[0].str())) {
        return Acad::eInvalidInput;
    }
    c.texts[0] = Ktx_String(kind);
    if (!constraintKindHasValue(kind)) {
        c.values.clear();
        c.flags &= ~kConstrUseVariable;
    } else if (c.values.empty()) {
        c.values.push_back(0.0);
    }
    return Acad::eOk;
}

Acad::ErrorStatus changeObject(const Ktx_ModuleDesign& m, Ktx_Constraint& c, int column,
                               const std::string& object) {
    const bool known = std::any_of(m.geometry.begin(), m.geometry.end(),
                                   [&](const Ktx_GeomObject& g) { return g.name == object; });
    const int other = column == 2 ? 3 : 2;
    if (!known || c.texts[other - 1].str() == object) return Acad::eInvalidInput;
    c.texts[column - 1] = Ktx_String(object);
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus HighlightConstraint(EditConstrData& data, int index) {
    if (data.constraint(index) == nullptr) return Acad::eInvalidInput;
    data.drawing->highlighted = {index};
    note(data, "highlight constraint", index);
    return Acad::eOk;
}

Acad::ErrorStatus UnHighlightConstraints(EditConstrData& data) {
    if (data.drawing == nullptr) return Acad::eNullObjectPointer;
    data.drawing->highlighted.clear();
    data.drawing->log.push_back("unhighlight constraints");
    return Acad::eOk;
}

Acad::ErrorStatus HighlightObject(EditConstrData& data, int index) {
    Ktx_GeomObject* g = objectAt(data, index);
    if (g == nullptr) return Acad::eInvalidInput;
    data.drawing->highlightedObject = g->name;
    note(data, "highlight object", index);
    return Acad::eOk;
}

Acad::ErrorStatus UnHighlightObject(EditConstrData& data) {
    if (data.drawing == nullptr) return Acad::eNullObjectPointer;
    data.drawing->highlightedObject.clear();
    data.drawing->log.push_back("unhighlight object");
    return Acad::eOk;
}

Acad::ErrorStatus SortConstraints(EditConstrData& data, int column, int previousColumn) {
    Ktx_ModuleDesign* m = data.current();
    if (m == nullptr) return Acad::eKeyNotFound;
    if (column < 1 || column > 4) return Acad::eInvalidInput;
    std::stable_sort(m->constraints.begin(), m->constraints.end(),
                     [column](const Ktx_Constraint& a, const Ktx_Constraint& b) {
                         return ObjectExportCompareNames(ConstraintRowTexts(a)[column - 1],
                                                         ConstraintRowTexts(b)[column - 1]) < 0;
                     });
    m->sortColumn = column;
    data.drawing->log.push_back("sort constraints " + std::to_string(column) + " " +
                                std::to_string(previousColumn));
    return Acad::eOk;
}

Acad::ErrorStatus ConstrContextMenu(EditConstrData& data, int index, int column,
                                    Ktx_StringArray& entries, std::vector<int>& checked) {
    Ktx_Constraint* c = data.constraint(index);
    if (c == nullptr) return Acad::eInvalidInput;
    const bool objectColumn =
        column == 2 || (column == 3 && constraintKindArity(c->texts[0].str()) == 2);
    if (column != 1 && !objectColumn) return Acad::eNotApplicable;
    Ktx_StringArray filled;
    std::vector<int> marked;
    if (column == 1) {
        kindMenu(*c, filled, marked);
    } else {
        for (const Ktx_GeomObject& g : data.current()->geometry) {
            if (g.name == c->texts[column - 1].str()) marked.push_back(filled.length());
            filled.append(Ktx_String(g.name));
        }
    }
    entries = filled;
    checked = marked;
    return Acad::eOk;
}

Acad::ErrorStatus ContextMenuAction(EditConstrData& data, int index, int column,
                                    const Ktx_String& entry) {
    Ktx_Constraint* c = data.constraint(index);
    if (c == nullptr || column < 1 || column > 3) return Acad::eInvalidInput;
    Ktx_Constraint changed = *c;
    const Acad::ErrorStatus es = column == 1
                                     ? changeKind(changed, entry.str())
                                     : changeObject(*data.current(), changed, column, entry.str());
    if (es != Acad::eOk) return es;
    *c = changed;
    note(data, "change constraint", index);
    return Acad::eOk;
}

Acad::ErrorStatus DeleteConstraint(EditConstrData& data, int index) {
    if (data.constraint(index) == nullptr) return Acad::eInvalidInput;
    auto& list = data.current()->constraints;
    list.erase(list.begin() + index);
    data.drawing->highlighted.clear();
    note(data, "delete constraint", index);
    return Acad::eOk;
}

Acad::ErrorStatus UpdateConstraint(EditConstrData& data, int index) {
    Ktx_Constraint* c = data.constraint(index);
    if (c == nullptr) return Acad::eInvalidInput;
    Ktx_ModuleDesign& m = *data.current();
    if (c->usesVariable() && c->hasValue() && !c->texts[3].isEmpty()) {
        if (const Ktx_VarEq* v = findVariable(m, c->texts[3].str())) {
            c->values[0] = v->value;
        } else {
            m.varsEqs.push_back(Ktx_VarEq{c->texts[3].str(), c->values[0], kVarEqDimension});
        }
    }
    note(data, "update constraint", index);
    return Acad::eOk;
}

bool VarNameInUse(const EditConstrData& data, const Ktx_String& name, int exceptIndex) {
    const Ktx_ModuleDesign* m = data.current();
    if (m == nullptr || name.isEmpty()) return false;
    for (int i = 0; i < static_cast<int>(m->constraints.size()); ++i) {
        const Ktx_Constraint& c = m->constraints[static_cast<size_t>(i)];
        if (i != exceptIndex && c.usesVariable() && sameName(c.texts[3].str(), name.str()))
            return true;
    }
    return false;
}

Acad::ErrorStatus StartEditMacroCutDlg(EditConstrData& data, int index) {
    Ktx_Constraint* c = data.constraint(index);
    if (c == nullptr) return Acad::eInvalidInput;
    Ktx_Module* module = data.design()->macro.findModule(data.currentModule);
    if (c->cut.empty() || module == nullptr || module->findCut(c->cut) == nullptr)
        return Acad::eKeyNotFound;
    data.drawing->log.push_back("edit cut " + data.currentModule.str() + " " + c->cut);
    return Acad::eOk;
}

Acad::ErrorStatus UpdateGeomFlexibility(EditConstrData& data, int index, bool flexible) {
    return setObjectFlag(data, index, &Ktx_GeomObject::flexible, flexible,
                         flexible ? "flexible object" : "fixed object");
}

Acad::ErrorStatus UpdateConstrGeom(EditConstrData& data, int index, bool construction) {
    return setObjectFlag(data, index, &Ktx_GeomObject::construction, construction,
                         construction ? "construction object" : "built object");
}

Acad::ErrorStatus UpdateVarsEqs(EditConstrData& data, const Ktx_StringArray& names,
                                const std::vector<double>& values, const std::vector<int>& kinds) {
    Ktx_ModuleDesign* m = data.current();
    if (m == nullptr) return Acad::eKeyNotFound;
    const size_t n = static_cast<size_t>(names.length());
    if (values.size() != n || kinds.size() != n) return Acad::eInvalidInput;
    std::vector<Ktx_VarEq> rows;
    std::set<std::string> seen;
    for (size_t i = 0; i < n; ++i) {
        const std::string name = names[static_cast<int>(i)].str();
        if (name.empty()) continue;
        if (kinds[i] < kVarEqVariable || kinds[i] > kVarEqEquation) return Acad::eInvalidInput;
        if (kinds[i] != kVarEqEquation && !seen.insert(Ktx_String(name).toUpper().str()).second)
            return Acad::eDuplicateKey;
        rows.push_back(Ktx_VarEq{name, values[i], kinds[i]});
    }
    m->varsEqs = std::move(rows);
    applyVariables(*m);
    data.drawing->log.push_back("update variables " + m->module);
    return Acad::eOk;
}
