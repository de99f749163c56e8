#include "cmd_eval_run.h"

#include "acad.h"
#include "calc_timers.h"
#include "ktx_settings.h"
#include "macro_file.h"
#include "mapping_file.h"
#include "path_translation.h"
#include "vn_dlg_standards_data.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_dlg.h"
#include "win_driver.h"

namespace {

const char* sectionName(const VnVarCell& cell) {
    return cell.isInput() ? "Input" : cell.isOutput() ? "Output" : "Local";
}

const char* typeName(VnValueType type) {
    return type == VnValueInt ? "Int" : type == VnValueDouble ? "Double" : "String";
}

// The standard's file as the engine will look for it.
Ktx_String standardPath(const std::string& standard) {
    const Ktx_String name(standard);
    if (vnFileExists(name)) return name;
    return gSettings.libDir + "Connection Standards\\" + name + ".vns";
}

// The Input and Output variables: before, the macro's value read through the mapping the
// evaluation used (empty when the macro has none); after, the value the sheet ended with (a
// Calc cell may assign an Input too, which then is not written back).
void fillVariables(EvalResult& result, VnDlgStandardsData& evaluated, Ktx_DbMacro& original) {
    VnDlgStandardsData before = evaluated;
    before.macro = &original;
    VnSSMapping& mapping = evaluated.varCells.mapping();
    for (int i = 0; i < evaluated.varCells.length(); ++i) {
        const VnVarCell& cell = evaluated.varCells[i];
        if (cell.isLocal()) continue;
        Ktx_String value;
        if (mapping.getMacroVarValue(cell.name, cell.valueType, value, before) != Acad::eOk)
            value = "";
        result.variables.push_back({sectionName(cell), cell.name.str(), typeName(cell.valueType),
                                    value.str(), cell.value.str()});
    }
}

// The macro must offer what the mapping key or module group names; the engine would evaluate
// on empty inputs otherwise, which from a shell is always a mistake.
// A key "Module.GROUP" names a module group, as --module GROUP does.
bool checkMapping(const EvalOptions& options, Ktx_Macro& macro, std::string& reason) {
    const bool groupKey = options.module.empty() && options.key.rfind("Module.", 0) == 0;
    if (!options.module.empty() || groupKey) {
        const std::string group = groupKey ? options.key.substr(7) : options.module;
        Ktx_StringArray names;
        if (getModNamesOfGroup(&macro, Ktx_String(group), names) == Acad::eOk) return true;
        reason = "the macro has no module group, module label or module named '" + group + "'";
        return false;
    }
    const Ktx_String mapFile = mappingFilePath(Ktx_String(options.standard));
    Ktx_StringArray lines;
    if (!readMappingLines(mapFile, lines)) {
        reason = "cannot read the mapping file " + hostPath(mapFile);
        return false;
    }
    if (mappingLineKeys(lines).find(Ktx_String(options.key), true) >= 0) return true;
    reason = "no key '" + options.key + "' in the mapping file " + hostPath(mapFile);
    return false;
}

// The top-level steps of an evaluation in the order they run, each with its timer. A failing
// step leaves its timer running; a failed child evaluation may leave earlier steps' timers
// running too, but never a later step's, so the last running one is the step that failed.
struct EvalStep {
    Ktx_Timer* timer;
    const char* what;
};

const EvalStep kEvalSteps[] = {
    {&gLoadFile, "loading the standard"},
    {&gInitSSForInput, "finding its variable declarations"},
    {&gSSSGetFromMacro, "reading the inputs from the macro"},
    {&gSetMacroValuelsToSS, "writing the inputs into the sheet"},
    {&gSSSreplaceGenVars, "replacing the general variables"},
    {&gCalcMain, "calculating (no Calc section?)"},
    {&gSetToMacro, "writing the outputs into the macro"},
};

std::string failureReason(const EvalOptions& options) {
    std::string reason = "the evaluation of '" + options.standard + "' failed";
    const EvalStep* failed = nullptr;
    for (const EvalStep& step : kEvalSteps)
        if (step.timer->isRunning()) failed = &step;
    if (failed) reason += std::string(" while ") + failed->what;
    return reason;
}

}  // namespace

EvalResult evaluateMacroFile(const EvalOptions& options, const std::string& macroFile) {
    resetCalcTimers();
    EvalResult result;
    Ktx_Macro content;
    MacroData macroData;
    Ktx_String error;
    if (!readMacroFile(Ktx_String(macroFile), content, macroData, error)) {
        result.reason = "cannot read macro file '" + macroFile + "': " + error.str();
        return result;
    }
    const Ktx_String path = standardPath(options.standard);
    if (!vnFileExists(path)) {
        result.reason =
            "no standard '" + options.standard + "' (looked for " + hostPath(path) + ")";
        return result;
    }
    if (!checkMapping(options, content, result.reason)) return result;
    Ktx_DbMacro macro(content);
    Ktx_DbMacro original(content);
    AcTransaction transaction(1);
    VnDlgStandardsData data;
    const Ktx_String key =
        options.module.empty() ? Ktx_String(options.key) : Ktx_String("Module." + options.module);
    data.initialize(&macro, Ktx_String(options.standard), key, &macroData);
    data.transaction = &transaction;
    for (const auto& [name, value] : options.genVars) {
        data.genVarNames.append(Ktx_String(name));
        data.genVarValues.append(Ktx_String(value));
    }
    const size_t shownBefore = winMessageBoxes().size();
    const bool ok = StartDlgStandardsSS(data);
    for (size_t i = shownBefore; i < winMessageBoxes().size(); ++i) {
        std::string text = winMessageBoxes()[i].text;
        for (char& c : text)
            if (c == '\n') c = ' ';
        result.warnings.push_back(text);
    }
    if (!ok) {
        result.reason = failureReason(options);
        return result;
    }
    fillVariables(result, data, original);
    if (options.write && !writeMacroFile(Ktx_String(macroFile), macro, macroData)) {
        result.reason = "cannot write macro file '" + macroFile + "'";
        return result;
    }
    result.ok = true;
    return result;
}
