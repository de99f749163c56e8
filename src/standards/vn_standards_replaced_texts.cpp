// The general variables of an evaluation replaced in the cells whose text only the file decides.
//
// A cell that held a text right after the load, holds no formula and is no variable's cell is
// written by nothing but the replacement before it is calculated. Its text at the replacement
// is the loaded text the plan kept, and what the replacement makes of it depends on the
// general variables alone. The first calculation under a set of general variables records the
// replaced texts and what each replaced Calc cell then reads; the next calculation of the same
// unchanged file with the same general variables writes the same texts without working them
// out and calculates the same Calc texts without reading them back. Every write to the grid
// still happens, in the same order. Without general variables nothing is replaced, and only the
// Calc cells' equations are kept that way (under the empty set of general variables).
#include "string_helpers.h"
#include "vn_standards_calc_names.h"
#include "vn_standards_spread.h"

struct VnStandardsSpread::ReplacedTexts {
    std::string generalVariables;  // the names and values they were made with
    // For each cell of the plan's `written`: the replaced text of a fixed cell the names
    // changed; absent when they left it alone (or it is not fixed).
    VnTextList written;
    // For each Calc cell of the plan: what it read after its text was replaced.
    VnTextList calcTexts;
    // For each Calc cell whose text is known without reading: its equation under `index` (the
    // variables' names and cells it was worked out with), taken in cell order instead of by
    // text from the index's table.
    std::shared_ptr<const VnStandardsCalcIndex> index;
    std::vector<std::shared_ptr<const VnStandardsCalcIndex::Equation>> equations;
    // What calculating each of those cells reads of its equation, side by side in cell
    // order: a calculation of thousands of cells then walks two arrays instead of visiting
    // every equation and its formula's allocation.
    struct Facts {
        int var = -1;
        bool callsChild = false;
    };
    std::vector<Facts> facts;
    VnTextList formulas;
};

namespace {

// Names and values, each with its length in front: equal keys mean equal variables.
std::string generalVariablesKey(const Ktx_StringArray& names, const Ktx_StringArray& values,
                                int count) {
    std::string key;
    const auto add = [&key](const Ktx_String& text) {
        key += std::to_string(text.length());
        key += ':';
        key += text.view();
    };
    for (int i = 0; i < count; ++i) {
        add(names[i]);
        add(values[i]);
    }
    return key;
}

}  // namespace

VnStandardsCalcNames VnStandardsSpread::generalVariableNames() const {
    VnStandardsCalcNames names;
    names.quoteNonNumbers([](std::string_view v) { return isNumber(Ktx_String(std::string(v))); });
    const int count = generalVariableCount();
    for (int i = 0; i < count; ++i) names.add(genVarNames[i].view(), genVarValues[i].view());
    return names;
}

int VnStandardsSpread::generalVariableCount() const {
    return std::min(genVarNames.length(), genVarValues.length());
}

// The texts and equations of the last calculation of the plan with the same general variables
// are replayed; else this calculation records its own.
void VnStandardsSpread::replayOrRecord(const CalcPlan& plan, std::string key) {
    if (plan.lastReplaced && plan.lastReplaced->generalVariables == key) {
        replayed_ = plan.lastReplaced;
        return;
    }
    recording_ = std::make_shared<ReplacedTexts>();
    recording_->generalVariables = std::move(key);
    recording_->written.resize(plan.written.size());
    recording_->calcTexts.resize(plan.cells.size());
    recording_->equations.resize(plan.cells.size());
    recording_->facts.resize(plan.cells.size());
    recording_->formulas.resize(plan.cells.size());
}

void VnStandardsSpread::keepPlanEquations(const CalcPlan& plan) {
    replayOrRecord(plan, std::string());  // no variable replaces anything: the empty key
}

void VnStandardsSpread::replaceGenVarsByPlan(const CalcPlan& plan) {
    const VnStandardsCalcNames names = generalVariableNames();
    std::string key = generalVariablesKey(genVarNames, genVarValues, generalVariableCount());
    replayOrRecord(plan, std::move(key));
    std::string replaced;
    for (size_t i = 0; i < plan.written.size(); ++i) {
        const auto [col, row] = plan.written[i];
        if (!plan.loadedTexts.has(i)) {
            if (!holdsNoText(plan, i)) replaceGenVarsIn(names, col, row);
            continue;
        }
        const std::string_view loaded = plan.loadedTexts[i];
        if (recording_ && names.apply(loaded, replaced)) recording_->written.set(i, replaced);
        const VnTextList& written = (replayed_ ? *replayed_ : *recording_).written;
        if (!written.has(i)) continue;
        const std::string_view text = written[i];
        if (loaded == "Calc" || text == "Calc") calcPlanStale_ = true;
        setCellBytes(col, row, text.data());  // the list ends each text with a NUL
    }
}

bool VnStandardsSpread::holdsNoText(const CalcPlan& plan, size_t w) const {
    const int var = plan.writtenVars[w];
    if (!variableTextsKept_ || var < 0 || var >= varCells.length()) return false;
    const VnVarCell& cell = varCells[var];
    const auto [col, row] = plan.written[w];
    return cell.col == col && cell.row == row && row < plan.start && cell.value.isEmpty();
}

std::optional<std::string_view> VnStandardsSpread::knownCalcText(const CalcPlan& plan,
                                                                 size_t k) const {
    const auto w = static_cast<size_t>(plan.calcWritten[k]);
    if (!plan.loadedTexts.has(w)) return std::nullopt;
    if (!replayed_ && !recording_) return plan.loadedTexts[w];  // nothing was replaced
    if (!(replayed_ ? *replayed_ : *recording_).written.has(w)) return plan.loadedTexts[w];
    if (replayed_ && replayed_->calcTexts.has(k)) return replayed_->calcTexts[k];
    return std::nullopt;
}

void VnStandardsSpread::recordCalcText(const CalcPlan& plan, size_t k, const Ktx_String& text) {
    if (!recording_ || !plan.loadedTexts.has(static_cast<size_t>(plan.calcWritten[k]))) return;
    recording_->calcTexts.set(k, text.view());
}

void VnStandardsSpread::publishReplacedTexts(const CalcPlan& plan) {
    if (recording_) plan.lastReplaced = std::move(recording_);
    recording_.reset();
    replayed_.reset();
}

std::optional<VnStandardsSpread::KnownEquation> VnStandardsSpread::knownEquation(size_t k) const {
    if (!replayed_ || !replayed_->index || replayed_->index != calcIndex_) return std::nullopt;
    const VnStandardsCalcIndex::Equation* eq = replayed_->equations[k].get();
    if (!eq) return std::nullopt;
    const ReplacedTexts::Facts& facts = replayed_->facts[k];
    return KnownEquation{eq, {facts.var, facts.callsChild, replayed_->formulas[k]}};
}

void VnStandardsSpread::recordEquation(const CalcPlan& plan, size_t k,
                                       std::shared_ptr<const VnStandardsCalcIndex::Equation> eq) {
    if (!recording_ || !plan.loadedTexts.has(static_cast<size_t>(plan.calcWritten[k]))) return;
    recording_->index = calcIndex_;
    recording_->facts[k] = {eq->var, eq->callsChild};
    recording_->formulas.set(k, eq->formula);
    recording_->equations[k] = std::move(eq);
}
