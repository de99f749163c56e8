#pragma once
// The general variables of an evaluation for a macro, as the Core library passes them: the
// macro's own general variables under their own names ("gen_Gap"), and under the bare name
// ("Gap") when the standard declares no variable of that name; then the ones given on the
// command line, which add a variable or override one of the same name (overriding "gen_Gap"
// overrides the bare "Gap" taken from it too). Every command that evaluates for a macro uses
// this rule.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ktx_macro.h"
#include "ktx_string.h"
#include "ktx_string_array.h"

using GeneralVariableList = std::vector<std::pair<std::string, std::string>>;

// `declared` gives the names of the standard's variables; it is asked (once) only when the
// macro has a general variable with the prefix, so a macro without one costs no look-up.
GeneralVariableList evalGeneralVariables(const Ktx_Macro& macro,
                                         const std::function<Ktx_StringArray()>& declared,
                                         const GeneralVariableList& given);
// The names of the variables a standard declares (empty when it does not load).
Ktx_StringArray declaredVariableNames(const Ktx_String& standardPath);
