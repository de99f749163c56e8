#pragma once
// One link between a spreadsheet variable and one property of a macro: the macro object
// (module or group name, "Prof" + number for a base profile, empty for general variables),
// the property within it, the spreadsheet variable's name and the kind of property.
//
// Its mapping text is objectName + byte 0x95 + keyword of kind + " " + varName.
// All operations return Acad::eOk on success and Acad::eInvalidInput on failure.
#include <string_view>

#include "acad.h"
#include "ktx_macro.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "macro_data.h"
#include "vn_map_kind.h"

class VnVarCell;
class VnMacroPass;
class AcTransaction;

// The byte between the object name and the keyword of a mapping text.
constexpr char kVnObjectSeparator = '\x95';

class VnObjectMap {
  public:
    Ktx_String objectName;
    Ktx_String varName;
    Ktx_String ssVarName;
    VnMapKind kind = VnMapNone;
    int visibility = 3;
    Ktx_String label;

    virtual ~VnObjectMap() = default;

    // Parses a mapping text for the spreadsheet variable ssVar. Fails when the text has no
    // 0x95 or no keyword follows it; fields set before the failure keep their new values.
    Acad::ErrorStatus getMappingFromStrs(const Ktx_String& ssVar, const Ktx_String& mappingText);
    // The mapping text and the spreadsheet variable name; fails for a kind without keyword.
    Acad::ErrorStatus setMappingToStrs(Ktx_String& mappingText, Ktx_String& ssVar) const;
    // Finds the cell's name in ssVars (letter case folded) and parses the text at that index.
    Acad::ErrorStatus mapFromArrays(const Ktx_StringArray& ssVars, const Ktx_StringArray& texts,
                                    const VnVarCell& cell);
    // eOk when objectName and varName (letter case folded) and kind are the same.
    Acad::ErrorStatus isCompatible(const VnObjectMap& other) const;

    // Read or write the linked property (general variables with 8 decimals). `pass`, when
    // given, remembers the modules a group name stands for over one pass (see VnMacroPass).
    Acad::ErrorStatus getMacroVarValue(Ktx_DbMacro* macro, MacroData* data, Ktx_String& value,
                                       AcTransaction* tr, VnMacroPass* pass = nullptr) const;
    Acad::ErrorStatus setMacroVarValue(Ktx_DbMacro* macro, MacroData* data, Ktx_String& value,
                                       AcTransaction* tr, VnMacroPass* pass = nullptr) const;

  private:
    Acad::ErrorStatus getSetMacroVarValue(Ktx_DbMacro* macro, MacroData* data, Ktx_String& value,
                                          bool get, AcTransaction* tr, VnMacroPass* pass) const;
    // The property in one module of the group; eNotApplicable for kinds that are no module's.
    Acad::ErrorStatus getSetModuleVarValue(Ktx_Macro* macro, MacroData* data,
                                           std::string_view moduleName, Ktx_String& value, bool get,
                                           AcTransaction* tr) const;
    Acad::ErrorStatus getSetModuleProperty(Ktx_Module* module, MacroTabData* tab, Ktx_String& value,
                                           bool get, AcTransaction* tr) const;
    Acad::ErrorStatus getBaseProfileValue(Ktx_Macro* macro, Ktx_String& value) const;
};
