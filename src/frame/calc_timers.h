#pragma once
// The exported performance timers of the standards engine, one around each step of an
// evaluation. Exported under exactly these names.
#include "ktx_timer.h"

extern Ktx_Timer gCalcMain;
extern Ktx_Timer gCalcChild;
extern Ktx_Timer gCalcCells;
extern Ktx_Timer gCalcCellCalcFunctions;
extern Ktx_Timer gCalcCellCalcFunctionsPrepare;
extern Ktx_Timer gCalcCellCalcNativeFunctions;
extern Ktx_Timer gCalcCellFindFunctions;
extern Ktx_Timer gCalcCellFindVarCell;
extern Ktx_Timer gCalcCellGetVarCoordName;
extern Ktx_Timer gCalcCellGetVarCoords;
extern Ktx_Timer gCalcCellGetVarNames;
extern Ktx_Timer gCalcCellReplaceVariables;
extern Ktx_Timer gCalcCellSplitSymbol;
extern Ktx_Timer gFindDuplicates;
extern Ktx_Timer gGetFromVars;
extern Ktx_Timer gInitFromMacro;
extern Ktx_Timer gInitMapping;
extern Ktx_Timer gInitSSForInput;
extern Ktx_Timer gLoadFile;
extern Ktx_Timer gRegisterFuntions;
extern Ktx_Timer gSSSGetFromMacro;
extern Ktx_Timer gSSSreplaceGenVars;
extern Ktx_Timer gSetMacroValuelsToSS;
extern Ktx_Timer gSetToMacro;
extern Ktx_Timer gSetToVars;

// A timer with its exported name.
struct VnNamedTimer {
    const char* name;
    Ktx_Timer* timer;
};

// All 25 timers in the order above.
constexpr int kCalcTimerCount = 25;
const VnNamedTimer* calcTimers();
void resetCalcTimers();
