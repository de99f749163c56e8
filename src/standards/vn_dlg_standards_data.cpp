#include "vn_dlg_standards_data.h"

#include "string_helpers.h"

Acad::ErrorStatus VnDlgStandardsData::initialize(Ktx_DbMacro* m, Ktx_String file, Ktx_String key,
                                                 MacroData* data) {
    if (!m || !data) return Acad::eInvalidInput;
    evalMode = 0;
    fileName = file;
    macro = m;
    mappingKey = key;
    macroData = data;
    moduleName = key.startsWith("Module.") ? getSubstrAfter(key, ".", false) : Ktx_String();
    return Acad::eOk;
}
