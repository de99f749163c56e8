#include "vn_var_cell.h"

#include "ktx_spread.h"
#include "string_helpers.h"
#include "vn_dlg_standards_data.h"
#include "vn_ss_mapping.h"

namespace {

bool declarationType(const Ktx_String& text, VnValueType& type) {
    if (text.startsWith("Int", false))
        type = VnValueInt;
    else if (text.startsWith("Double", false))
        type = VnValueDouble;
    else if (text.startsWith("String", false))
        type = VnValueString;
    else
        return false;
    return true;
}

}  // namespace

Acad::ErrorStatus VnVarCell::initialize(Ktx_Spread& ss, const int& c, const int& r,
                                        const VnCellType& type) {
    Ktx_String text;
    if (!ss.getCellText(c, r, text, CellTextKind::Value)) return Acad::eInvalidInput;
    // Leading blanks go; the name is everything after the first blank, blanks and all
    // ("Double  Y" declares " Y", "Double X " declares "X ").
    stripSymbols(text, ' ', true, false);
    VnValueType declared = VnValueString;
    if (!declarationType(text, declared)) return Acad::eInvalidInput;
    Ktx_String declaredName;
    if (text.contains(" ")) declaredName = getSubstrAfter(text, " ", false);
    valueType = declared;
    name = declaredName;
    col = c;
    row = r;
    cellType = type;
    return Acad::eOk;
}

Acad::ErrorStatus VnVarCell::setNewValue(const Ktx_String& v) {
    value = v;
    return Acad::eOk;
}

Acad::ErrorStatus VnVarCell::setNewValue(Ktx_Spread& ss, const Ktx_String& v) {
    value = v;
    return setValueToSS(ss);
}

Acad::ErrorStatus VnVarCell::setNewValueInFormat(Ktx_Spread& ss, const Ktx_String& v) {
    value = v;
    return ss.setCellText(col, row, value, true) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus VnVarCell::setValueToSS(Ktx_Spread& ss) {
    if (valueType == VnValueString)
        ss.setEditType(col, row, col, row, 0, 9999);
    else
        ss.setNumberTypeCell(col, row, valueType == VnValueInt ? 0 : 7, false);
    return setNewValueInFormat(ss, value);
}

Acad::ErrorStatus VnVarCell::getCurrentValue(Ktx_Spread& ss, Ktx_String& out) {
    return ss.getCellText(col, row, out, CellTextKind::Value) ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus VnVarCell::setValueFromOther(Ktx_Spread& ss, const VnVarCell& other) {
    return setNewValue(ss, other.value);
}

Acad::ErrorStatus VnVarCell::setValueFromMacro(VnSSMapping& map, VnDlgStandardsData& data,
                                               VnMacroPass* pass) {
    return map.getMacroVarValue(name, valueType, value, data, pass) == Acad::eOk
               ? Acad::eOk
               : Acad::eInvalidInput;
}

Acad::ErrorStatus VnVarCell::setValueToMacro(VnSSMapping& map, VnDlgStandardsData& data,
                                             VnMacroPass* pass) {
    return map.setMacroVarValue(name, valueType, value, data, pass) == Acad::eOk
               ? Acad::eOk
               : Acad::eInvalidInput;
}
