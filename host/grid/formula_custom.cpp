#include "formula_custom.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "win_driver.h"

namespace {

// A copy of `text` in a new global memory block (NUL-terminated); nullptr when none can be had.
HGLOBAL textBlock(const std::string& text) {
    HGLOBAL h = GlobalAlloc(GHND, text.size() + 1);
    if (!h) return nullptr;
    if (void* p = GlobalLock(h)) {
        std::memcpy(p, text.data(), text.size());
        GlobalUnlock(h);
        return h;
    }
    GlobalFree(h);
    return nullptr;
}

// The text of a block, up to its first NUL or its end.
std::string blockText(HGLOBAL h) {
    std::size_t size = GlobalSize(h);
    const char* p = static_cast<const char*>(GlobalLock(h));
    if (!p) return {};
    std::string s(p, strnlen(p, size));
    GlobalUnlock(h);
    return s;
}

// Fills one argument record; false (with `out` set) when the call must not happen.
bool marshal(EvalHost& host, EvalValue& arg, bool wantRefs, SpreadValue& sv,
             std::vector<HGLOBAL>& blocks, EvalValue& out) {
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
            sv.hszValue = textBlock(arg.text);
            if (!sv.hszValue) {
                out.setError(FormulaError::Value);
                return false;
            }
            blocks.push_back(sv.hszValue);
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
        case SPREAD_TYPE_STRING:
            return out.setText(r.hszValue ? blockText(r.hszValue) : "");
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
void freeBlocks(const std::vector<HGLOBAL>& blocks, HGLOBAL resultBlock, int liveBefore) {
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
    clear();
    for (const auto& [name, entry] : other.entries_)
        if (entry.callback) put(name, entry);
    return *this;
}

void CustomFunctions::clear() {
    if (entries_.size() > kMaxEntries) return entries_.clear();
    // A let-go entry holds no callback: nothing it captured stays alive.
    for (auto& named : entries_) named.second = {};
}

void CustomFunctions::put(std::string_view upperName, CustomFunctionEntry entry) {
    if (auto it = entries_.find(upperName); it != entries_.end())
        it->second = std::move(entry);
    else
        entries_.emplace(std::string(upperName), std::move(entry));
}

bool CustomFunctions::add(std::string_view upperName, int minArgs, int maxArgs,
                          FormulaCustomFunction cb, long flags) {
    if (upperName.empty() || !cb || minArgs < 0 || maxArgs < minArgs) return false;
    put(upperName, CustomFunctionEntry{minArgs, maxArgs, flags, std::move(cb)});
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
    bool wantRefs = (entry.flags & SPREAD_CUSTFUNC_WANTCELLREF) != 0;
    std::vector<SpreadValue> records(static_cast<std::size_t>(argc));
    std::vector<HGLOBAL> blocks;
    for (int i = 0; i < argc; ++i) {
        if (!marshal(host, args[i], wantRefs, records[static_cast<std::size_t>(i)], blocks, out)) {
            for (HGLOBAL h : blocks) GlobalFree(h);
            return;
        }
    }
    SpreadValue result;
    FormulaCustomFunction callback = entry.callback;  // the entry may be replaced meanwhile
    int liveBefore = globalMemoryLiveBlocks();
    bool ok = callback(&result, records.data(), static_cast<short>(argc));
    HGLOBAL resultBlock = result.hszValue;
    if (ok)
        unmarshal(host, result, out);
    else
        out.setEmpty();
    freeBlocks(blocks, resultBlock, liveBefore);
}
