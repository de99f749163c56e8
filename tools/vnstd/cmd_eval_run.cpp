#include "cmd_eval_run.h"

#include <optional>

#include "acad.h"
#include "calc_timers.h"
#include "cmd_eval_findings.h"
#include "eval_general_vars.h"
#include "eval_kept_files.h"
#include "ktx_settings.h"
#include "macro_file.h"
#include "mapping_file.h"
#include "path_translation.h"
#include "vn_dlg_standards_data.h"
#include "vn_eval_report.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_dlg.h"

namespace {

const char* sectionName(const VnVarCell& cell) {
    return cell.isInput() ? "Input" : cell.isOutput() ? "Output" : "Local";
}

const char* typeName(VnValueType type) {
    return type == VnValueInt ? "Int" : type == VnValueDouble ? "Double" : "String";
}

// The Input and Output variables: before, the value the macro held before the evaluation (its
// modules and its tabs as read from the file), read through the mapping the evaluation used
// (empty when the macro has none); after, the value the sheet ended with (a Calc cell may
// assign an Input too, which then is not written back).
void fillVariables(EvalResult& result, VnDlgStandardsData& evaluated, Ktx_DbMacro& original,
                   MacroData& originalData) {
    VnDlgStandardsData before = evaluated;
    before.macro = &original;
    before.macroData = &originalData;
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

// The mapping file's path: a matter of the standard's name and the library folder alone, so
// worked out once for a folder run.
const Ktx_String& mappingPathOf(const Ktx_String& standard) {
    static std::string name, lib;
    static Ktx_String path;
    if (path.isEmpty() || name != standard.str() || lib != gSettings.libDir.str()) {
        path = mappingFilePath(standard);
        name = standard.str();
        lib = gSettings.libDir.str();
    }
    return path;
}

// The macro must offer what the mapping key or module group names; the engine would evaluate
// on empty inputs otherwise, which from a shell is always a mistake.
// A key "Module.GROUP" names a module group, as --module GROUP does.
bool checkMapping(const EvalOptions& options, const Ktx_String& standard, Ktx_Macro& macro,
                  std::string& reason) {
    const bool groupKey = options.module.empty() && options.key.rfind("Module.", 0) == 0;
    if (!options.module.empty() || groupKey) {
        const std::string group = groupKey ? options.key.substr(7) : options.module;
        Ktx_StringArray names;
        if (getModNamesOfGroup(&macro, Ktx_String(group), names) == Acad::eOk) return true;
        reason = "the macro has no module group, module label or module named '" + group + "'";
        return false;
    }
    const Ktx_String& mapFile = mappingPathOf(standard);
    static VnKeptByStamp<std::optional<Ktx_StringArray>> keptKeys;
    const auto keys = keptFromFile(keptKeys, mapFile, [&]() -> std::optional<Ktx_StringArray> {
        Ktx_StringArray lines;
        if (!readMappingLines(mapFile, lines)) return std::nullopt;
        return mappingLineKeys(lines);
    });
    if (!*keys) {
        reason = "cannot read the mapping file " + hostPath(mapFile);
        return false;
    }
    if ((*keys)->find(Ktx_String(options.key), true) >= 0) return true;
    reason = "no key '" + options.key + "' in the mapping file " + hostPath(mapFile);
    return false;
}

// The standard's file must exist and the macro must offer what the key names; path receives
// the standard's file.
bool checkStandard(const EvalOptions& options, const Ktx_String& standard, Ktx_Macro& macro,
                   Ktx_String& path, std::string& reason) {
    path = VnStandardsSpread::standardFilePath(standard);
    if (!vnFileExists(path)) {
        reason = "no standard '" + options.standard + "' (looked for " + hostPath(path) + ")";
        return false;
    }
    return checkMapping(options, standard, macro, reason);
}

Ktx_String mappingKeyOf(const EvalOptions& options) {
    return options.module.empty() ? Ktx_String(options.key)
                                  : Ktx_String("Module." + options.module);
}

// The general variables: the macro's own and the command line's (eval_general_vars.h).
void addGeneralVariables(VnDlgStandardsData& data, const EvalOptions& options,
                         const Ktx_Macro& content, const Ktx_String& path) {
    const GeneralVariableList gens = evalGeneralVariables(
        content, [&] { return declaredVariableNames(path); }, options.genVars);
    for (const auto& [name, value] : gens) {
        data.genVarNames.append(Ktx_String(name));
        data.genVarValues.append(Ktx_String(value));
    }
}

// After a successful evaluation: --strict and --write (refused when the evaluation ran on
// missing inputs, unless --force). The file is written only when its text changes.
bool finish(EvalResult& result, const EvalOptions& options, const VnEvalReport& report,
            const std::string& macroFile, const Ktx_DbMacro& macro, const MacroData& macroData) {
    if (options.strict && !report.variables.empty()) {
        result.reason = "--strict: " + std::to_string(report.variables.size()) +
                        " variable(s) could not be retrieved or set";
        return false;
    }
    if (!options.write) return true;
    if (const std::string why = incompleteReason(report); !why.empty() && !options.force) {
        result.reason = why;
        return false;
    }
    if (!updateMacroFile(windowsPathFromHost(macroFile), macro, macroData, result.written)) {
        result.reason = "cannot write macro file '" + macroFile + "'";
        return false;
    }
    return true;
}

}  // namespace

EvalResult evaluateMacroFile(const EvalOptions& options, const std::string& macroFile,
                             EvalDetail detail) {
    resetCalcTimers();
    EvalResult result;
    Ktx_DbMacro macro;
    MacroData macroData;
    Ktx_String error;
    if (!readMacroFile(Ktx_String(macroFile), macro, macroData, error)) {
        result.reason = "cannot read macro file '" + macroFile + "': " + error.str();
        return result;
    }
    // Until the evaluation ends: what is asked after it (the macro file written) asks anew.
    std::optional<EvalFileFactsScope> facts(std::in_place);
    const Ktx_String standard(options.standard);
    Ktx_String path;
    if (!checkStandard(options, standard, macro, path, result.reason)) return result;
    AcTransaction transaction(1);
    VnDlgStandardsData data;
    addGeneralVariables(data, options, macro, path);
    // The macro as read stays beside the evaluated one only when its values are shown.
    std::optional<Ktx_DbMacro> original;
    std::optional<MacroData> originalData;
    if (detail == EvalDetail::kVariables) {
        original.emplace(static_cast<const Ktx_Macro&>(macro));
        originalData.emplace(macroData);
    }
    data.initialize(&macro, standard, mappingKeyOf(options), &macroData);
    data.transaction = &transaction;
    VnEvalReport report;
    bool ok = false;
    {
        VnEvalReport::Scope scope(report);
        ok = StartDlgStandardsSS(data);
    }
    facts.reset();
    result.warnings = reportWarnings(report);
    if (!ok) {
        result.reason = failureReason(options.standard, report);
        return result;
    }
    if (original) fillVariables(result, data, *original, *originalData);
    result.ok = finish(result, options, report, macroFile, macro, macroData);
    return result;
}
