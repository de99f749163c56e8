// Child standards (CallChild) and the steps of an evaluation for a macro and as a child.
#include "calc_timers.h"
#include "path_translation.h"
#include "string_helpers.h"
#include "vn_calc_lap.h"
#include "vn_dlg_standards_data.h"
#include "vn_ss_functions_host.h"
#include "vn_standards_dlg.h"
#include "vn_standards_dlg_nesting.h"
#include "vn_standards_spread.h"

namespace {

// The folder part of a path, with its final separator ("" when there is none).
std::string_view folderOf(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut + 1);
}

std::string_view withoutStartSeparators(std::string_view name) {
    const std::size_t start = name.find_first_not_of("\\/");
    return start == std::string_view::npos ? std::string_view() : name.substr(start);
}

}  // namespace

bool VnStandardsSpread::resolveChildFile(const Ktx_String& name, const Ktx_String& current,
                                         Ktx_String& path) {
    const std::string_view lib = vnLibDir().view();
    return vnFirstExistingFile({{name.view()},
                                {folderOf(current.view()), withoutStartSeparators(name.view())},
                                {lib, "Connection Standards\\", name.view()},
                                {lib, "Connection Standards\\Childs\\", name.view()},
                                {lib, "Connection Standards\\Data\\", name.view()},
                                {lib, "Connection Standards\\Parents\\", name.view()}},
                               path);
}

namespace {

// The last part of a path, when it names a file plainly (no drive, not "." or ".."): the host
// path of such a path ends in a name that folds like it (the exact name, the one found
// ignoring letter case, or the name as written), so two paths whose file names fold
// differently never translate to the same host path.
std::string_view plainFileName(std::string_view path) {
    std::size_t start = path.size();
    while (start > 0 && path[start - 1] != '\\' && path[start - 1] != '/') --start;
    const std::string_view name = path.substr(start);
    if (name.empty() || name == "." || name == ".." || name.find(':') != std::string_view::npos)
        return {};
    return name;
}

// The host paths are translated only when the file names may name the same file.
bool samePath(const Ktx_String& a, const Ktx_String& b) {
    if (a.equal(b, false)) return true;
    const std::string_view nameA = plainFileName(a.view()), nameB = plainFileName(b.view());
    if (!nameA.empty() && !nameB.empty() && ktxCompareNoCase(nameA, nameB) != 0) return false;
    return vnHostPath(a) == vnHostPath(b);
}

Ktx_String strippedPiece(Ktx_String piece) {
    return stripSymbols(piece, ' ', true, true);
}

}  // namespace

bool VnStandardsSpread::childCallPieces(const Ktx_String& expression, const Ktx_String& function,
                                        Ktx_StringArray& pieces) {
    const int at = expression.findFirstFrom(function);
    const int open = at < 0 ? -1 : expression.findFirstFrom("(", at + function.length());
    const int close = open < 0 ? -1 : expression.findFirstFrom(")", open + 1);
    if (close < 0) return false;
    pieces = splitStringAtSymbol(expression.getSubStringAt(open + 1, close - open - 1), ",", true);
    if (pieces.length() < 2) return false;
    for (int i = 0; i < pieces.length(); ++i) pieces[i] = strippedPiece(pieces[i]);
    Ktx_String& file = pieces[0];
    if (file.startsWith("\"")) file.removeAt(0);
    if (file.endsWith("\"")) file.removeAt(file.length() - 1);
    return true;
}

Acad::ErrorStatus VnStandardsSpread::callChild(const Ktx_String& expression,
                                               const Ktx_String& functionName) {
    Ktx_StringArray pieces;
    if (!childCallPieces(expression, functionName, pieces)) return Acad::eInvalidInput;
    return callChild(pieces);
}

Acad::ErrorStatus VnStandardsSpread::callChild(const Ktx_StringArray& pieces) {
    std::vector<int> args;
    for (int i = 1; i < pieces.length(); ++i) {
        int index = -1;
        varCells.findVarCell(pieces[i], index);
        args.push_back(index);
    }
    return callChild(pieces, args);
}

Acad::ErrorStatus VnStandardsSpread::callChild(const Ktx_StringArray& pieces,
                                               const std::vector<int>& args) {
    if (pieces.length() < 2 || args.size() != static_cast<size_t>(pieces.length() - 1))
        return Acad::eInvalidInput;
    Ktx_String path;
    if (!resolveChildFile(pieces[0], fileName, path)) return Acad::eInvalidInput;
    VnDlgStandardsData child;
    child.varCells.reserve(args.size());
    for (const int index : args) {
        if (index < 0 || index >= varCells.length()) return Acad::eInvalidInput;
        VnVarCell argument = varCells[index];
        argument.col = 0;
        argument.row = 0;
        child.varCells.append(std::move(argument));
    }
    if (samePath(path, fileName)) return Acad::eInvalidInput;
    if (!VnStandardsNesting::mayNest()) return Acad::eInvalidInput;
    child.evalMode = 1;
    child.fileName = std::move(path);
    child.genVarNames = genVarNames;
    child.genVarValues = genVarValues;
    if (!StartDlgStandardsSSMovingData(child) || VnStandardsNesting::unwinding())
        return Acad::eInvalidInput;
    // The child gives back the arguments in their order: the i-th is the variable args[i].
    for (int i = 0; i < child.varCells.length(); ++i) {
        const VnVarCell& returned = child.varCells[i];
        if (!returned.isOutput()) continue;
        int index = static_cast<size_t>(i) < args.size() ? args[static_cast<size_t>(i)] : -1;
        if (index < 0 || !varCells[index].name.equal(returned.name, false)) {
            index = -1;
            if (varCells.findVarCell(returned.name, index) != Acad::eOk) continue;
        }
        if (varCells[index].isInput()) return Acad::eInvalidInput;
        writeVariable(index, returned.value);
    }
    return Acad::eOk;
}

Acad::ErrorStatus VnStandardsSpread::prepareForMacro(VnDlgStandardsData& data) {
    if (data.macro == nullptr || data.transaction == nullptr) return Acad::eInvalidInput;
    VnCalcLap initSSForInputLap(gInitSSForInput, fileName);
    genVarNames = data.genVarNames;
    genVarValues = data.genVarValues;
    if (findLoadedVarCells() != Acad::eOk) return Acad::eInvalidInput;
    initSSForInputLap.done();
    VnCalcLap getFromMacroLap(gSSSGetFromMacro, fileName);
    if (varCells.getFromMacro(data) != Acad::eOk) return Acad::eInvalidInput;
    getFromMacroLap.done();
    VnCalcLap setMacroValuelsToSSLap(gSetMacroValuelsToSS, fileName);
    if (varCells.setValuesToSS(*this) != Acad::eOk) return Acad::eInvalidInput;
    variablesFormatted_ = variableTextsKept_ = true;
    setMacroValuelsToSSLap.done();
    VnCalcLap replaceGenVarsLap(gSSSreplaceGenVars, fileName);
    replaceGenVars();
    replaceGenVarsLap.done();
    return Acad::eOk;
}

Acad::ErrorStatus VnStandardsSpread::calcForMacro(VnDlgStandardsData& data, VnMacroShape shape) {
    VnCalcLap calcMainLap(gCalcMain, fileName);
    if (calcAll() != Acad::eOk || varCells.getValuesFromSS(*this) != Acad::eOk)
        return Acad::eInvalidInput;
    calcMainLap.done();
    VnCalcLap setToMacroLap(gSetToMacro, fileName);
    varCells.setToMacro(data, shape);
    setToMacroLap.done();
    return Acad::eOk;
}

// Binds the sheet's Input and Output variables to the arguments by position (Locals are not
// counted): into the sheet before the calculation, and the Outputs back after it.
Acad::ErrorStatus VnStandardsSpread::bindChildArguments(VnDlgStandardsData& data,
                                                        bool outputsBack) {
    VnVarCells& args = data.varCells;
    int locals = 0;
    for (int i = 0; i < varCells.length(); ++i) {
        VnVarCell& cell = varCells[i];
        if (cell.isLocal()) {
            ++locals;
            if (!outputsBack) cell.setNewValue(*this, Ktx_String());
        }
        const int j = i - locals;
        if (outputsBack && !cell.isOutput()) continue;
        if (j >= args.length()) return Acad::eInvalidInput;
        if (cell.isLocal()) continue;
        if (outputsBack) {
            args[j].value = cell.value;
        } else {
            if (cell.isOutput() && args[j].isInput()) return Acad::eInvalidInput;
            cell.setNewValue(*this, args[j].value);
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus VnStandardsSpread::prepareAsChild(VnDlgStandardsData& data) {
    VnCalcLap getFromVarsLap(gGetFromVars, fileName);
    genVarNames = data.genVarNames;
    genVarValues = data.genVarValues;
    findLoadedVarCells();
    if (bindChildArguments(data, false) != Acad::eOk) return Acad::eInvalidInput;
    variablesFormatted_ = variableTextsKept_ = true;
    replaceGenVars();
    getFromVarsLap.done();
    return Acad::eOk;
}

Acad::ErrorStatus VnStandardsSpread::calcAsChild(VnDlgStandardsData& data) {
    VnCalcLap calcChildLap(gCalcChild, fileName);
    if (calcAll() != Acad::eOk) return Acad::eInvalidInput;
    calcChildLap.done();
    VnCalcLap setToVarsLap(gSetToVars, fileName);
    if (bindChildArguments(data, true) != Acad::eOk) return Acad::eInvalidInput;
    setToVarsLap.done();
    return Acad::eOk;
}
