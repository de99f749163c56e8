#include "formula_custom.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "win_driver.h"

namespace {

// The argument records of one call and the string blocks made for them, kept on the stack
// for the usual few arguments.
class ArgumentRecords {
  public:
    explicit ArgumentRecords(int argc) {
        if (argc > kInline) {
            moreRecords_.resize(static_cast<std::size_t>(argc));
            moreBlocks_.resize(static_cast<std::size_t>(argc));
        }
        records_ = argc > kInline ? moreRecords_.data() : inline_.records;
        blocks_ = argc > kInline ? moreBlocks_.data() : inlineBlocks_;
        // Only the records of this call's arguments are made (each starts as "no value").
        if (argc <= kInline) std::uninitialized_default_construct_n(records_, argc);
    }
    ArgumentRecords(const ArgumentRecords&) = delete;
    ArgumentRecords& operator=(const ArgumentRecords&) = delete;
    SpreadValue* record(int i) { return records_ + i; }
    void keep(HGLOBAL block) { blocks_[blockCount_++] = block; }
    std::span<const HGLOBAL> blocks() const { return {blocks_, blockCount_}; }

  private:
    static constexpr int kInline = 8;
    union Inline {
        Inline() {}  // the records are made by the constructor above, as many as needed
        SpreadValue records[kInline];
    } inline_;
    HGLOBAL inlineBlocks_[kInline];  // written before read (blockCount_)
    std::vector<SpreadValue> moreRecords_;
    std::vector<HGLOBAL> moreBlocks_;
    SpreadValue* records_ = nullptr;
    HGLOBAL* blocks_ = nullptr;
    std::size_t blockCount_ = 0;  // at most one per argument
};

// Fills one argument record; false (with `out` set) when the call must not happen.
bool marshal(EvalHost& host, EvalValue& arg, bool wantRefs, SpreadValue* record,
             ArgumentRecords& records, EvalValue& out) {
    SpreadValue& sv = *record;
    if (wantRefs && arg.isRef()) {
        sv.status = SPREAD_STATUS_VALID;
        sv.type = arg.kind == EvalKind::Ref ? SPREAD_TYPE_CELL : SPREAD_TYPE_RANGE;
        sv.col = arg.c1, sv.row = arg.r1;
        sv.col2 = arg.kind == EvalKind::Ref ? arg.c1 : arg.c2;
        sv.row2 = arg.kind == EvalKind::Ref ? arg.r1 : arg.r2;
        return true;
    }
    if (arg.isRef()) host.readCell(arg.c1, arg.r1, arg);  // a range gives its first cell
    switch (arg.kind) {
        case EvalKind::Error:
            out.setError(arg.error);
            return false;
        case EvalKind::Empty:
            return true;  // status stays "no value"
        case EvalKind::Number:
            sv.type = SPREAD_TYPE_DOUBLE, sv.dfValue = arg.num;
            break;
        case EvalKind::Logical:
            sv.type = SPREAD_TYPE_LONG, sv.lValue = arg.num != 0;
            break;
        default:
            sv.type = SPREAD_TYPE_STRING;
            sv.hszValue = globalMemoryTextBlock(arg.text);
            if (!sv.hszValue) {
                out.setError(FormulaError::Value);
                return false;
            }
            records.keep(sv.hszValue);
    }
    sv.status = SPREAD_STATUS_VALID;
    return true;
}

void unmarshal(EvalHost& host, const SpreadValue& r, EvalValue& out) {
    if (r.status != SPREAD_STATUS_VALID) return out.setEmpty();
    switch (r.type) {
        case SPREAD_TYPE_LONG:
            return out.setNumber(static_cast<double>(r.lValue));
        case SPREAD_TYPE_DOUBLE:
            return out.setNumber(r.dfValue);
        case SPREAD_TYPE_STRING:  // into out's own room
            out.kind = EvalKind::Text;
            out.text.assign(r.hszValue ? globalMemoryText(r.hszValue) : std::string_view());
            return;
        case SPREAD_TYPE_CELL:
            if (r.col < 1 || r.row < 1 || r.col > FormulaEngine::kMaxCol ||
                r.row > FormulaEngine::kMaxRow)
                return out.setError(FormulaError::Ref);
            host.readCell(static_cast<int>(r.col), static_cast<int>(r.row), out);
            return;
        default:
            return out.setError(FormulaError::Value);
    }
}

// Frees what is still alive after a call: the argument blocks the callback left, and the
// result's block (taken over by the engine). The heap's count of live blocks tells how many
// argument blocks the callback freed (it allocates at most the result's block and balances
// anything else it does); only when it freed some but not all is each block asked about.
void freeBlocks(std::span<const HGLOBAL> blocks, HGLOBAL resultBlock, int liveBefore) {
    bool resultIsOurs = std::find(blocks.begin(), blocks.end(), resultBlock) != blocks.end();
    int resultNew = resultBlock && !resultIsOurs ? 1 : 0;
    int freedByCallback = liveBefore + resultNew - globalMemoryLiveBlocks();
    bool noneFreed = freedByCallback <= 0;
    bool allFreed = freedByCallback >= static_cast<int>(blocks.size()) - (resultIsOurs ? 1 : 0);
    for (HGLOBAL h : blocks) {
        if (h == resultBlock || allFreed) continue;
        if (noneFreed || GlobalSize(h) != 0) GlobalFree(h);
    }
    if (resultBlock) GlobalFree(resultBlock);
}

}  // namespace

CustomFunctions& CustomFunctions::operator=(const CustomFunctions& other) {
    if (this == &other) return *this;
    clear();  // a copy of a registry without functions is no more than this
    for (const auto& [name, entry] : other.entries_) {
        if (!entry.callback) continue;
        put(name, entry);
        orderVersion_ = 0;
        onlyOrder_ = false;  // a name registered outside the remembered order
        nameSet_ = other.nameSet_;
    }
    return *this;
}

void CustomFunctions::wholeOrderRegistered() {
    if (orderStamp_ == 0) orderStamp_ = freshStamp();
    nameSet_ = orderStamp_;
    if (orderVersion_ != 0)
        version_ = orderVersion_;
    else
        orderVersion_ = version_;
}

void CustomFunctions::clear() {
    version_ = freshStamp();
    next_ = 0;
    onlyOrder_ = true;
    nameSet_ = kNoNames;
    if (entries_.size() > kMaxEntries) {
        order_.clear();
        orderStamp_ = 0;
        orderVersion_ = 0;
        return entries_.clear();
    }
    // A let-go entry holds no callback.
    for (auto& named : entries_) named.second = {};
}

CustomFunctionEntry& CustomFunctions::put(std::string_view upperName, CustomFunctionEntry entry) {
    auto it = entries_.find(upperName);
    if (it == entries_.end()) return entries_.emplace(std::string(upperName), entry).first->second;
    it->second = entry;
    return it->second;
}

bool CustomFunctions::add(std::string_view upperName, std::string_view asGiven, int minArgs,
                          int maxArgs, FormulaCustomFunction cb, long flags) {
    if (upperName.empty() || !cb || !validCounts(minArgs, maxArgs)) return false;
    CustomFunctionEntry& entry = put(upperName, CustomFunctionEntry{minArgs, maxArgs, flags, cb});
    version_ = freshStamp();
    orderVersion_ = 0;  // a registration outside the remembered order
    if (next_ >= kMaxEntries) {
        onlyOrder_ = false;
        nameSet_ = freshStamp();
        return true;
    }
    order_.resize(next_);  // a different registration ends the order remembered after it
    order_.push_back({std::string(asGiven), &entry});
    orderStamp_ = 0;
    ++next_;
    registered();
    return true;
}

// Only entries with a callback are registered (add refuses none).
const CustomFunctionEntry* CustomFunctions::find(std::string_view upperName) const {
    auto it = entries_.find(upperName);
    return it == entries_.end() || !it->second.callback ? nullptr : &it->second;
}

void callCustomFunction(const CustomFunctionEntry& entry, EvalHost& host, EvalValue* args, int argc,
                        EvalValue& out) {
    if (argc < entry.minArgs || argc > entry.maxArgs) return out.setError(FormulaError::Value);
    const bool wantRefs = (entry.flags & SPREAD_CUSTFUNC_WANTCELLREF) != 0;
    ArgumentRecords records(argc);
    for (int i = 0; i < argc; ++i) {
        if (!marshal(host, args[i], wantRefs, records.record(i), records, out)) {
            for (HGLOBAL h : records.blocks()) GlobalFree(h);
            return;
        }
    }
    SpreadValue result;
    const FormulaCustomFunction callback = entry.callback;  // the entry may be replaced meanwhile
    const int liveBefore = globalMemoryLiveBlocks();
    const bool ok = callback(&result, records.record(0), static_cast<short>(argc));
    HGLOBAL resultBlock = result.hszValue;
    if (ok)
        unmarshal(host, result, out);
    else
        out.setEmpty();
    freeBlocks(records.blocks(), resultBlock, liveBefore);
}
