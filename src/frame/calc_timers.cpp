#include "calc_timers.h"

Ktx_Timer gCalcMain;
Ktx_Timer gCalcChild;
Ktx_Timer gCalcCells;
Ktx_Timer gCalcCellCalcFunctions;
Ktx_Timer gCalcCellCalcFunctionsPrepare;
Ktx_Timer gCalcCellCalcNativeFunctions;
Ktx_Timer gCalcCellFindFunctions;
Ktx_Timer gCalcCellFindVarCell;
Ktx_Timer gCalcCellGetVarCoordName;
Ktx_Timer gCalcCellGetVarCoords;
Ktx_Timer gCalcCellGetVarNames;
Ktx_Timer gCalcCellReplaceVariables;
Ktx_Timer gCalcCellSplitSymbol;
Ktx_Timer gFindDuplicates;
Ktx_Timer gGetFromVars;
Ktx_Timer gInitFromMacro;
Ktx_Timer gInitMapping;
Ktx_Timer gInitSSForInput;
Ktx_Timer gLoadFile;
Ktx_Timer gRegisterFuntions;
Ktx_Timer gSSSGetFromMacro;
Ktx_Timer gSSSreplaceGenVars;
Ktx_Timer gSetMacroValuelsToSS;
Ktx_Timer gSetToMacro;
Ktx_Timer gSetToVars;

namespace {

const VnNamedTimer kTimers[] = {
    {"gCalcMain", &gCalcMain},
    {"gCalcChild", &gCalcChild},
    {"gCalcCells", &gCalcCells},
    {"gCalcCellCalcFunctions", &gCalcCellCalcFunctions},
    {"gCalcCellCalcFunctionsPrepare", &gCalcCellCalcFunctionsPrepare},
    {"gCalcCellCalcNativeFunctions", &gCalcCellCalcNativeFunctions},
    {"gCalcCellFindFunctions", &gCalcCellFindFunctions},
    {"gCalcCellFindVarCell", &gCalcCellFindVarCell},
    {"gCalcCellGetVarCoordName", &gCalcCellGetVarCoordName},
    {"gCalcCellGetVarCoords", &gCalcCellGetVarCoords},
    {"gCalcCellGetVarNames", &gCalcCellGetVarNames},
    {"gCalcCellReplaceVariables", &gCalcCellReplaceVariables},
    {"gCalcCellSplitSymbol", &gCalcCellSplitSymbol},
    {"gFindDuplicates", &gFindDuplicates},
    {"gGetFromVars", &gGetFromVars},
    {"gInitFromMacro", &gInitFromMacro},
    {"gInitMapping", &gInitMapping},
    {"gInitSSForInput", &gInitSSForInput},
    {"gLoadFile", &gLoadFile},
    {"gRegisterFuntions", &gRegisterFuntions},
    {"gSSSGetFromMacro", &gSSSGetFromMacro},
    {"gSSSreplaceGenVars", &gSSSreplaceGenVars},
    {"gSetMacroValuelsToSS", &gSetMacroValuelsToSS},
    {"gSetToMacro", &gSetToMacro},
    {"gSetToVars", &gSetToVars},
};

static_assert(sizeof(kTimers) / sizeof(kTimers[0]) == kCalcTimerCount);

}  // namespace

const VnNamedTimer* calcTimers() {
    return kTimers;
}

void resetCalcTimers() {
    for (const auto& t : kTimers) t.timer->reset();
}
