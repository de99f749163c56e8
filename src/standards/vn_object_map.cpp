#include "vn_object_map.h"

#include "string_helpers.h"
#include "vn_var_cell.h"

Acad::ErrorStatus VnObjectMap::getMappingFromStrs(const Ktx_String& ssVar,
                                                  const Ktx_String& mappingText) {
    ssVarName = ssVar;
    Ktx_String object, rest;
    if (!splitString(mappingText, Ktx_String(&kVnObjectSeparator, 1), object, rest, false))
        return Acad::eInvalidInput;
    objectName = object;
    VnMapKind parsed = VnMapNone;
    if (!parseMapKindKeyword(rest, parsed)) return Acad::eInvalidInput;
    kind = parsed;
    stripSymbols(rest, ' ', true, true);
    Ktx_String name = getSubstrAfter(rest, " ", false);
    varName = stripSymbols(name, ' ', true, true);
    return Acad::eOk;
}

Acad::ErrorStatus VnObjectMap::setMappingToStrs(Ktx_String& mappingText, Ktx_String& ssVar) const {
    const char* keyword = mapKindKeyword(kind);
    if (!keyword) return Acad::eInvalidInput;
    mappingText = objectName + Ktx_String(&kVnObjectSeparator, 1) + keyword + " " + varName;
    ssVar = ssVarName;
    return Acad::eOk;
}

Acad::ErrorStatus VnObjectMap::mapFromArrays(const Ktx_StringArray& ssVars,
                                             const Ktx_StringArray& texts, const VnVarCell& cell) {
    int index = ssVars.find(cell.name, false);
    if (index < 0 || index >= texts.length()) return Acad::eInvalidInput;
    return getMappingFromStrs(ssVars[index], texts[index]);
}

Acad::ErrorStatus VnObjectMap::isCompatible(const VnObjectMap& other) const {
    if (objectName.equal(other.objectName, false) && varName.equal(other.varName, false) &&
        kind == other.kind)
        return Acad::eOk;
    return Acad::eInvalidInput;
}

Acad::ErrorStatus VnObjectMap::getMacroVarValue(Ktx_DbMacro* macro, MacroData* data,
                                                Ktx_String& value, AcTransaction* tr,
                                                VnMacroPass* pass) const {
    return getSetMacroVarValue(macro, data, value, true, tr, pass);
}

Acad::ErrorStatus VnObjectMap::setMacroVarValue(Ktx_DbMacro* macro, MacroData* data,
                                                Ktx_String& value, AcTransaction* tr,
                                                VnMacroPass* pass) const {
    return getSetMacroVarValue(macro, data, value, false, tr, pass);
}
