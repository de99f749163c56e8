#include "macro_load_standards.h"

#include "ac_transaction.h"
#include "macro_core_hooks.h"
#include "vn_standards_dlg.h"

Acad::ErrorStatus evaluateStandardForMacro(Ktx_Macro& macro, const Ktx_String& standard,
                                           const Ktx_String& mappingKey, MacroData& data) {
    // The evaluation works on a database macro; it changes only a copy until it succeeded.
    Ktx_DbMacro dbMacro(macro);
    AcTransaction transaction(1);
    VnDlgStandardsData evaluation;
    if (evaluation.initialize(&dbMacro, standard, mappingKey, &data) != Acad::eOk)
        return Acad::eInvalidInput;
    evaluation.transaction = &transaction;
    if (!StartDlgStandardsSS(evaluation)) return Acad::eInvalidInput;
    macro = static_cast<const Ktx_Macro&>(dbMacro);
    return Acad::eOk;
}

void installMacroStandardsEvaluator() {
    setMacroStandardsEvaluator(evaluateStandardForMacro);
}
