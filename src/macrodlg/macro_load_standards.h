#pragma once
// "Load from standards" for the Core library: the module's standards evaluation installed as
// the Core's evaluator of a macro's linked standards (macro_core_hooks.h). The Core library
// (host/) cannot call the module; the module hands it this function instead. It is installed
// whenever a macro dialog starts and by programs that load macros from standards.
#include "acad.h"
#include "ktx_macro.h"
#include "macro_data.h"

// Evaluates `standard` for `macro` through `mappingKey` (a key of the standard's mapping file,
// or "Module." + a module group) with StartDlgStandardsSS in a pooled host, and on success
// takes the evaluated macro over. eInvalidInput (macro unchanged) when the evaluation fails.
Acad::ErrorStatus evaluateStandardForMacro(Ktx_Macro& macro, const Ktx_String& standard,
                                           const Ktx_String& mappingKey, MacroData& data);
// Installs evaluateStandardForMacro as the Core library's evaluator.
void installMacroStandardsEvaluator();
