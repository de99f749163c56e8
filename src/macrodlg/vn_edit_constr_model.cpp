#include "vn_edit_constr_model.h"

#include <cstdlib>

#include "ktx_module.h"

int vnModuleAfterRemove(int removed, int remaining) {
    if (remaining <= 0) return -1;
    return removed < remaining ? std::max(removed, 0) : remaining - 1;
}

void VnConstrOptionGroup::show(int offered, int chosen) {
    enabled_ = std::clamp(offered, 0, kCount);
    checked_ = chosen >= 1 && chosen <= enabled_ ? chosen : 0;
}

bool VnConstrOptionGroup::choose(int k) {
    if (!isEnabled(k)) return false;
    checked_ = k;
    return true;
}

VnConstrFields VnConstrFields::of(const Ktx_Constraint& c) {
    VnConstrFields f;
    f.hasValue = c.hasValue();
    f.value = c.hasValue() ? macroNumberText(c.values[0]) : std::string();
    f.useVariable = c.usesVariable();
    f.variable = c.texts.length() > 3 ? c.texts[3].str() : std::string();
    f.option = c.option;
    f.hasCut = !c.cut.empty();
    return f;
}

VnStoreResult vnStoreConstraint(EditConstrData& data, int index, const VnConstrFields& fields) {
    const Ktx_Constraint* old = data.constraint(index);
    if (old == nullptr) return VnStoreResult::kNothing;
    Ktx_Constraint changed = *old;
    if (changed.hasValue() && !fields.useVariable &&
        !macroParseNumber(fields.value, changed.values[0])) {
        return VnStoreResult::kBadValue;
    }
    if (fields.useVariable && fields.variable.empty()) return VnStoreResult::kNoVariable;
    if (fields.useVariable && VarNameInUse(data, Ktx_String(fields.variable), index))
        return VnStoreResult::kVariableInUse;
    changed.texts[3] = Ktx_String(fields.useVariable ? fields.variable : std::string());
    changed.flags = fields.useVariable ? (changed.flags | kConstrUseVariable)
                                       : (changed.flags & ~kConstrUseVariable);
    changed.option =
        fields.option >= 0 && fields.option <= changed.optionCount ? fields.option : changed.option;
    Ktx_Constraint& stored = *data.constraint(index);
    const Ktx_Constraint before = stored;
    stored = changed;
    if (UpdateConstraint(data, index) == Acad::eOk) return VnStoreResult::kStored;
    stored = before;
    return VnStoreResult::kRefused;
}

int vnStoreMessageKey(VnStoreResult result) {
    switch (result) {
        case VnStoreResult::kBadValue:
            return 897;
        case VnStoreResult::kNoVariable:
            return 896;
        case VnStoreResult::kVariableInUse:
            return 895;
        case VnStoreResult::kRefused:
            return 899;
        default:
            return 0;
    }
}

bool vnHeaderClickSorts(int column, int sortColumn) {
    return column >= 1 && column <= kConstrGridColumns && column != sortColumn;
}

bool vnRightClickOpensMenu(int column, int row, int constraintCount) {
    return column >= 1 && column <= 3 && row >= 1 && row <= constraintCount;
}

int vnRowAfterDelete(int deleted, int remaining) {
    if (remaining <= 0) return 0;
    const int before = deleted - 1;
    return before >= 1 && before <= remaining ? before : 1;
}

void VnVarsEqsRows::add(const std::string& name, const std::string& value,
                        const std::string& kind) {
    double v = 0.0;
    if (!macroParseNumber(value, v)) v = 0.0;
    names.append(Ktx_String(name));
    values.push_back(v);
    kinds.push_back(std::atoi(kind.c_str()));
}
