#include "formula_calc_order.h"

void FormulaCalcOrder::begin(std::size_t idLimit) {
    order_.clear();
    rank_.assign(idLimit, kNoRank);
    cycle_.assign(idLimit, 0);
    live_ = 0;
    valid_ = false;
    recording_ = true;
}

// Ids beyond the arrays have no rank. The arrays' room grows by doubling, but they are filled
// in only a little beyond the id reached: a copied sheet's arrays are exactly full, and
// filling twice their size would cost more than adding a few formulas to it.
void FormulaCalcOrder::reach(std::uint32_t id) {
    if (id < rank_.size()) return;
    constexpr std::size_t kAhead = 32;
    const std::size_t size = std::size_t{id} + 1 + kAhead;
    if (size > rank_.capacity()) {
        const std::size_t room = std::max(size, rank_.capacity() * 2);
        rank_.reserve(room);
        cycle_.reserve(room);
    }
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
