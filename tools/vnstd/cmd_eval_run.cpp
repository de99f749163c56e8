#include "cmd_eval_run.h"

#include "acad.h"
#include "ktx_settings.h"
#include "macro_file.h"
#include "path_translation.h"
#include "vn_dlg_standards_data.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_dlg.h"
#include "win.h"

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

// Values of the macro before the evaluation, read through the mapping the evaluation used.
void fillBefore(EvalResult& result, VnDlgStandardsData& evaluated, Ktx_DbMacro& original) {
    VnDlgStandardsData before = evaluated;
    before.macro = &original;
    VnSSMapping& mapping = evaluated.varCells.mapping();
    for (int i = 0; i < evaluated.varCells.length(); ++i) {
        const VnVarCell& cell = evaluated.varCells[i];
        if (cell.isLocal()) continue;
        Ktx_String value;
        if (cell.isInput()) {
            value = cell.value;
        } else if (mapping.getMacroVarValue(cell.name, cell.valueType, value, before) !=
                   Acad::eOk) {
            value = "";
        }
        result.variables.push_back({sectionName(cell), cell.name.str(), typeName(cell.valueType),
                                    value.str(), cell.value.str()});
    }
}

}  // namespace

EvalResult evaluateMacroFile(const EvalOptions& options, const std::string& macroFile) {
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
        result.reason = "the evaluation of '" + options.standard + "' failed";
        return result;
    }
    fillBefore(result, data, original);
    if (options.write && !writeMacroFile(Ktx_String(macroFile), macro, macroData)) {
        result.reason = "cannot write macro file '" + macroFile + "'";
        return result;
    }
    result.ok = true;
    return result;
}
