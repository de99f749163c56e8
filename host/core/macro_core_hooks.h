#pragma once
// What the Core library asks others to do for a macro data: evaluate a standard for a macro
// ("Load from standards"), and let the user pick other macros in the drawing.
//
// The evaluation is the module's own (its standards engine), so the Core library cannot call it
// directly: the module installs an evaluator when it starts (setMacroStandardsEvaluator) and
// MacroData::loadFromStandards calls it once per linked standard. The selection of macros is
// the drawing's: the program that hosts the Core library (a test, the command-line program)
// installs a selector; without one nothing is selected. Both stay installed until replaced; an
// empty function removes one.
#include <functional>
#include <vector>

#include "acad.h"
#include "ktx_string.h"

class Ktx_Macro;
class MacroData;

// Evaluates `standard` (relative to "Connection Standards\\", without extension) for `macro`
// through `mappingKey`, writing the outputs into the macro and its data's tabs.
using MacroStandardsEvaluator = std::function<Acad::ErrorStatus(
    Ktx_Macro& macro, const Ktx_String& standard, const Ktx_String& mappingKey, MacroData& data)>;
void setMacroStandardsEvaluator(MacroStandardsEvaluator evaluator);
const MacroStandardsEvaluator& macroStandardsEvaluator();

// Lets the user pick macros; `macros` comes in as the current ones. False when the user
// cancelled (macros unchanged).
using MacroSelector = std::function<bool(std::vector<Ktx_Macro*>& macros)>;
void setMacroSelector(MacroSelector selector);
