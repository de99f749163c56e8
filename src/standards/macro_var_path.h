#pragma once
// Reading and writing one property of a macro on behalf of a spreadsheet variable. Values
// travel as text. Every operation returns Acad::eOk on success and a failure status
// otherwise; a failed read leaves the value text unchanged.
//
// The accessors below are shared by the two roads (a variable name used as a path into a
// module, and an object map of a mapping file), so both touch the macro the same way.
#include "ktx_macro.h"
#include "macro_data.h"
#include "vn_value_type.h"

class AcTransaction;

// The tab of a module in the macro data: the tab named after the module's label, or its name
// when it has no label; nullptr when there is none.
MacroTabData* findModuleTab(const Ktx_Module* module, MacroData* data);

// General variable `name` of the macro; a read gives the number with `decimals` decimals, a
// write stores atof of the text. Fails for an unknown name.
Acad::ErrorStatus accessGeneralVariable(Ktx_Macro* macro, const Ktx_String& name, Ktx_String& value,
                                        bool get, int decimals);
// Offset `offsetType` of cut `cutName`; a read gives 7 decimals, a write stores atof.
Acad::ErrorStatus accessCutOffset(Ktx_Module* module, const Ktx_String& cutName, int offsetType,
                                  Ktx_String& value, bool get);
// The diameter (or, with diameter false, the hole offset) text of the tab's bolt data.
Acad::ErrorStatus accessBoltText(MacroTabData* tab, bool diameter, Ktx_String& value, bool get);
// A reverse-start flag of a pattern of a bolt module as "1" (reversed) or "0".
Acad::ErrorStatus accessReverseStart(Ktx_Module* module, const Ktx_String& pattern, bool firstStart,
                                     Ktx_String& value, bool get, AcTransaction* tr);
// A constraint variable. Before a write, a flex/fix button of the variable that is not in the
// state fixed-and-not-flexible is clicked, so that the value given stays.
Acad::ErrorStatus accessConstrVar(Ktx_Module* module, MacroTabData* tab, const Ktx_String& name,
                                  Ktx_String& value, bool get);
// The member name of a profile group of the tab.
Acad::ErrorStatus accessMemberName(MacroTabData* tab, const Ktx_String& group, Ktx_String& value,
                                   bool get);

// The module variable path: `path` (the spreadsheet variable's name) names a property of the
// module by its suffix (".Cut", ".Diameter", ".NrBolts1", ".MemberName", "gen." prefix ...; a
// numeric name without a known suffix is a constraint variable). General variables are read
// with 4 decimals.
Acad::ErrorStatus getSetModuleVarPath(const Ktx_String& path, VnValueType type, Ktx_Macro* macro,
                                      Ktx_Module* module, MacroData* data, Ktx_String& value,
                                      bool get, AcTransaction* tr);
