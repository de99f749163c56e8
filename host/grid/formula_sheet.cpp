#include "formula_sheet.h"

#include "formula_case.h"
#include "formula_compile_cache.h"
#include "formula_parser.h"
#include "free_entries.h"

namespace {
constexpr int kMaxPendingRounds = 100;
}

// Scratch state (the ordering walk, evaluation stacks) is not copied; what is pending is
// dropped.
void FormulaSheet::assign(const FormulaSheet& other) {
    if (this == &other) return;
    autoCalc = other.autoCalc;
    refStyle = other.refStyle;
    customs = other.customs;
    cells_.assign(other.cells_);
    deps_.assign(other.deps_);
    code_ = other.code_;
    garbageWords_ = other.garbageWords_;
    formulas_ = other.formulas_;
    freeIds_ = other.freeIds_;
    deferredFreeIds_ = other.deferredFreeIds_;
    calcOrder_ = other.calcOrder_;
    scopeEpoch_ = other.scopeEpoch_;
    epoch_ = other.epoch_;
    pending_.clear();
    if (other.calculating_ == 0) return;
    freeIds_.insert(freeIds_.end(), deferredFreeIds_.begin(), deferredFreeIds_.end());
    deferredFreeIds_.clear();
    calcOrder_.invalidate();
}

FormulaResult FormulaSheet::compile(int col, int row, std::string_view text, FormulaSetMode mode,
                                    Code& out, std::optional<CompiledFormula>* kept) const {
    if (kept) kept->reset();
    std::size_t skip = 0;
    while (skip < text.size() && text[skip] == ' ') ++skip;
    if (skip < text.size() && text[skip] == '=') ++skip;
    const std::string_view body = text.substr(skip);
    const auto isCustomName = [this](std::string_view name) {
        return customs.find(name) != nullptr;
    };
    FormulaParseOptions options;
    options.r1c1 = refStyle == FormulaRefStyle::R1C1;
    options.hostCol = col;
    options.hostRow = row;
    options.keepUnknownNames = mode != FormulaSetMode::Strict;
    FormulaResult r;
    if (mode == FormulaSetMode::Bulk) {
        // A sheet loaded whole is parsed without the cache: its formulas seldom come again at
        // the same cells, and thousands of them would only push out those that do.
        options.isCustomFunction = isCustomName;
        r = FormulaParser(body, options, out).parse();
    } else {
        const FormulaCompileCache::KeyView seen{body,
                                                {col, row, options.r1c1, options.keepUnknownNames}};
        FormulaCompileCache& cache = FormulaCompileCache::shared();
        if (std::optional<CompiledFormula> found =
                cache.find(seen, customs.nameSet(), isCustomName)) {
            if (kept)
                *kept = found;
            else
                out.assign(found->code.begin(), found->code.end());
            return r;
        }
        FormulaCompileCache::Asked asked;
        options.isCustomFunction = [&](std::string_view name) {
            const bool answer = isCustomName(name);
            asked.emplace_back(std::string(name), answer);
            return answer;
        };
        r = FormulaParser(body, options, out).parse();
        if (r) cache.keep(seen, out, codeRefsOf(out), std::move(asked), customs.nameSet());
    }
    if (!r) r.position += static_cast<int>(skip);
    return r;
}

void FormulaSheet::dropFormula(int col, int row, std::uint32_t id) {
    FormulaRecord& f = formulas_[id];
    deps_.remove(id, codeOf(f), f.codeLength);
    calcOrder_.removed(id);
    garbageWords_ += f.codeLength;
    f.live = false;
    cells_.setFormula(col, row, kNoFormula);
    (calculating_ ? deferredFreeIds_ : freeIds_).push_back(id);
    if (!calculating_) compactCode();
}

void FormulaSheet::setText(int col, int row, std::string_view text) {
    removeFormula(col, row);
    cells_.setText(col, row, text);
    changed(col, row);
}

void FormulaSheet::setNumber(int col, int row, double number, CellKind kind) {
    removeFormula(col, row);
    cells_.setNumber(col, row, number, kind);
    changed(col, row);
}

void FormulaSheet::setEmpty(int col, int row) {
    removeFormula(col, row);
    cells_.setEmpty(col, row);
    changed(col, row);
}

void FormulaSheet::setConstant(int col, int row, const FormulaValue& v) {
    switch (v.kind) {
        case FormulaValueKind::Empty:
            return setEmpty(col, row);
        case FormulaValueKind::Number:
            return setNumber(col, row, v.number, CellKind::Number);
        case FormulaValueKind::Logical:
            return setNumber(col, row, v.number != 0 ? 1 : 0, CellKind::Logical);
        default:
            break;
    }
    removeFormula(col, row);
    if (v.kind == FormulaValueKind::Text)
        cells_.setText(col, row, v.text);
    else
        cells_.setError(col, row, v.error);
    changed(col, row);
}

void FormulaSheet::installFormula(int col, int row, CodeView code, bool calculate,
                                  const CodeView* refs) {
    removeFormula(col, row);
    const std::uint32_t id = takeFreeEntry(freeIds_, formulas_);
    FormulaRecord& f = formulas_[id];
    f = {static_cast<std::uint32_t>(code_.size()), static_cast<std::uint32_t>(code.size()), col,
         row, true};
    code_.insert(code_.end(), code.begin(), code.end());
    cells_.setFormula(col, row, id);
    deps_.add(id, codeOf(f), f.codeLength, refs);
    calcOrder_.added(id, calculating_ > 0 || deps_.hasDependent(col, row));
    if (!calculate) {
        cells_.setEmpty(col, row);
        return;
    }
    // The new formula's value comes at once, from the current values of its inputs.
    evaluateInto(id);
    changed(col, row);
}

void FormulaSheet::clearAll() {
    if (calculating_) return;  // a custom function may not pull the sheet from under its caller
    cells_.clear();
    deps_.clear();
    code_.clear();
    garbageWords_ = 0;
    formulas_.clear();
    freeIds_.clear();
    deferredFreeIds_.clear();
    scopeEpoch_.clear();
    pending_.clear();
    calcOrder_.clear();
}

// Rebuilds the code arena when more than half of it belongs to removed formulas.
void FormulaSheet::compactCode() {
    if (garbageWords_ < 4096 || garbageWords_ * 2 < code_.size()) return;
    Code fresh;
    fresh.reserve(code_.size() - garbageWords_);
    for (FormulaRecord& f : formulas_) {
        if (!f.live) continue;
        std::uint32_t offset = static_cast<std::uint32_t>(fresh.size());
        fresh.insert(fresh.end(), code_.begin() + f.codeOffset,
                     code_.begin() + f.codeOffset + f.codeLength);
        f.codeOffset = offset;
    }
    code_ = std::move(fresh);
    garbageWords_ = 0;
}

std::vector<EvalValue>& FormulaSheet::borrowStack() {
    if (stacksInUse_ == stacks_.size())
        stacks_.push_back(std::make_unique<std::vector<EvalValue>>());
    auto& s = *stacks_[stacksInUse_++];
    s.clear();
    return s;
}

void FormulaSheet::evaluateInto(std::uint32_t id) {
    EvalValue result;
    {
        std::vector<EvalValue>& stack = borrowStack();
        ++calculating_;
        FormulaEvaluator ev(*this, stack);
        const FormulaRecord f = formulas_[id];
        ev.run(code_, f.codeOffset, f.codeLength, result);
        returnStack();
        endCalc();
    }
    const FormulaRecord& f = formulas_[id];
    if (!f.live || cells_.formula(f.col, f.row) != id) return;  // replaced while it ran
    switch (result.kind) {
        case EvalKind::Number:
            cells_.setNumber(f.col, f.row, result.num);
            break;
        case EvalKind::Logical:
            cells_.setNumber(f.col, f.row, result.num, CellKind::Logical);
            break;
        case EvalKind::Text:
            cells_.setText(f.col, f.row, result.text);
            break;
        case EvalKind::Error:
            cells_.setError(f.col, f.row, result.error);
            break;
        default:
            cells_.setEmpty(f.col, f.row);
    }
}

void FormulaSheet::readCell(int col, int row, EvalValue& out) {
    const CellStore::Block* b = cells_.block(col, row);
    if (!b) return out.setEmpty();
    std::size_t s = static_cast<std::size_t>(CellStore::slot(row));
    const CellStore::Payload& p = b->payload[s];
    switch (b->kind[s]) {
        case CellKind::Empty:
            return out.setEmpty();
        case CellKind::Number:
            out.kind = EvalKind::Number, out.num = p.num;
            return;
        case CellKind::Logical:
            return out.setLogical(p.num != 0);
        case CellKind::Text:  // into out's own room: no new string per read
            out.kind = EvalKind::Text;
            out.text.assign(cells_.text(col, row));
            return;
        case CellKind::Error:
            return out.setError(p.error);
    }
}

const CustomFunctionEntry* FormulaSheet::findCustom(std::string_view upperName) {
    std::size_t place = upperName.size() * 7;
    if (!upperName.empty())
        place += static_cast<unsigned char>(upperName.front()) * 3u +
                 static_cast<unsigned char>(upperName[upperName.size() / 2]) * 5u +
                 static_cast<unsigned char>(upperName.back());
    place %= customLookUps_.size();
    CustomLookUp& kept = customLookUps_[place];
    if (kept.version == customs.version() && kept.name == upperName) return kept.entry;
    kept.entry = customs.find(upperName);
    kept.name.assign(upperName);
    kept.version = customs.version();
    return kept.entry;
}

void FormulaSheet::callCustom(std::string_view upperName, EvalValue* args, int argc,
                              EvalValue& out) {
    const CustomFunctionEntry* entry = findCustom(upperName);
    if (!entry) return out.setError(FormulaError::Name);
    CustomFunctionEntry copy = *entry;  // the callback may change the registry
    callCustomFunction(copy, *this, args, argc, out);
}

void FormulaSheet::precedents(std::uint32_t id, std::vector<std::uint32_t>& out) {
    const FormulaRecord& f = formulas_[id];
    const std::uint32_t* code = codeOf(f);
    for (std::size_t pc = 0; pc < f.codeLength; pc += codeLength(code + pc)) {
        const std::uint32_t* w = code + pc;
        Op op = codeOp(*w);
        if ((op != Op::Ref && op != Op::Range) || (codeB(*w) & kRefDeleted)) continue;
        int c1 = static_cast<int>(w[1]), r1 = static_cast<int>(w[2]);
        if (op == Op::Ref) {
            std::uint32_t p = cells_.formula(c1, r1);
            if (p != kNoFormula) out.push_back(p);
            continue;
        }
        cells_.forEachFormulaIn(c1, r1, static_cast<int>(w[3]), static_cast<int>(w[4]),
                                [&](int, int, std::uint32_t p) { out.push_back(p); });
    }
}

bool FormulaSheet::inScope(std::uint32_t id) const {
    if (id >= formulas_.size() || !formulas_[id].live) return false;
    return allInScope_ || (id < scopeEpoch_.size() && scopeEpoch_[id] == epoch_);
}

void FormulaSheet::calculate(std::uint32_t id) {
    if (recording_) calcOrder_.record(id, false);
    evaluateInto(id);
}

void FormulaSheet::cycle(std::uint32_t id) {
    if (recording_) calcOrder_.record(id, true);
    const FormulaRecord& f = formulas_[id];
    cells_.setError(f.col, f.row, FormulaError::Ref);
}

void FormulaSheet::changed(int col, int row) {
    if (!autoCalc) return;
    // A cell nothing reads starts no calculation (the usual case for written inputs).
    if (!calculating_ && pending_.empty() && !deps_.hasDependent(col, row)) return;
    pending_.emplace_back(col, row);
    if (!calculating_) runPending();
}

void FormulaSheet::runPending() {
    // Not reentered: changes made while calculating only queue up in pending_.
    for (int round = 0; round < kMaxPendingRounds && !pending_.empty(); ++round) {
        queue_.clear();
        queue_.swap(pending_);
        recalcDependents(queue_);
    }
    pending_.clear();
}

// Calculates, in dependency order, every formula that reads the changed cells directly or
// through other formulas.
void FormulaSheet::recalcDependents(std::vector<std::pair<int, int>>& queue) {
    if (++epoch_ == 0) {
        scopeEpoch_.assign(scopeEpoch_.size(), 0);
        epoch_ = 1;
    }
    scopeEpoch_.resize(formulas_.size(), 0);
    std::vector<std::uint32_t>& roots = roots_;
    roots.clear();
    for (std::size_t i = 0; i < queue.size(); ++i) {
        auto [col, row] = queue[i];
        deps_.forEachDependent(col, row, [&](std::uint32_t id) {
            if (!formulas_[id].live || scopeEpoch_[id] == epoch_) return;
            scopeEpoch_[id] = epoch_;
            roots.push_back(id);
            queue.emplace_back(formulas_[id].col, formulas_[id].row);
        });
    }
    if (roots.empty()) return;
    ++calculating_;
    if (calcOrder_.valid())
        calculateInOrder(roots);
    else
        order_.run(*this, roots, formulas_.size());
    endCalc();
}

// The kept order holds every formula after those it reads, so the affected ones need no walk.
void FormulaSheet::calculateInOrder(std::vector<std::uint32_t>& ids) {
    calcOrder_.forEachInOrder(ids, [this](std::uint32_t id, bool onCycle) {
        if (!formulas_[id].live) return;
        if (onCycle)
            cycle(id);
        else
            evaluateInto(id);
    });
}

void FormulaSheet::endCalc() {
    if (--calculating_ > 0) return;
    freeIds_.insert(freeIds_.end(), deferredFreeIds_.begin(), deferredFreeIds_.end());
    deferredFreeIds_.clear();
    compactCode();
}

void FormulaSheet::recalcAll() {
    if (calculating_) return;
    std::vector<std::uint32_t> roots;
    for (std::uint32_t id = 0; id < formulas_.size(); ++id)
        if (formulas_[id].live) roots.push_back(id);
    allInScope_ = true;
    ++calculating_;
    calcOrder_.begin(formulas_.size());
    recording_ = true;
    order_.run(*this, roots, formulas_.size());
    recording_ = false;
    calcOrder_.finish();
    allInScope_ = false;
    endCalc();
    runPending();
}

void FormulaSheet::recalcOne(int col, int row) {
    std::uint32_t id = cells_.formula(col, row);
    if (id == kNoFormula) return;
    evaluateInto(id);
    changed(col, row);
}
