#include "formula_calc_order.h"

void FormulaCalcOrder::begin(std::size_t idLimit) {
    order_.clear();
    rank_.assign(idLimit, kNoRank);
    cycle_.assign(idLimit, 0);
    live_ = 0;
    valid_ = false;
    recording_ = true;
}

// Ids beyond the arrays have no rank; the arrays grow by doubling, not one id at a time.
void FormulaCalcOrder::reach(std::uint32_t id) {
    if (id < rank_.size()) return;
    const std::size_t size = std::max<std::size_t>(id + 1, rank_.size() * 2);
    rank_.resize(size, kNoRank);
    cycle_.resize(size, 0);
}

void FormulaCalcOrder::record(std::uint32_t id, bool onCycle) {
    if (!recording_) return;
    reach(id);
    if (rank_[id] != kNoRank) return;
    rank_[id] = static_cast<std::uint32_t>(order_.size());
    cycle_[id] = onCycle ? 1 : 0;
    order_.push_back(id);
    ++live_;
}

void FormulaCalcOrder::added(std::uint32_t id, bool isRead) {
    if (!valid_ || recording_ || isRead) return invalidate();
    if (order_.size() > 2 * live_ + 1024) compact();
    reach(id);
    rank_[id] = static_cast<std::uint32_t>(order_.size());
    cycle_[id] = 0;
    order_.push_back(id);
    ++live_;
}

void FormulaCalcOrder::removed(std::uint32_t id) {
    if (recording_) invalidate();
    if (id >= rank_.size() || rank_[id] == kNoRank) return;
    rank_[id] = kNoRank;
    --live_;
}

void FormulaCalcOrder::clear() {
    order_.clear();
    rank_.clear();
    cycle_.clear();
    live_ = 0;
    valid_ = true;
    recording_ = false;
}

// Drops the stale entries of removed formulas, keeping the order of the others.
void FormulaCalcOrder::compact() {
    std::size_t out = 0;
    for (std::size_t r = 0; r < order_.size(); ++r) {
        std::uint32_t id = order_[r];
        if (rank_[id] != r) continue;
        rank_[id] = static_cast<std::uint32_t>(out);
        order_[out++] = id;
    }
    order_.resize(out);
}
