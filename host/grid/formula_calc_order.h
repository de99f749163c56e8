// A remembered calculation order of every formula of a sheet, so that a change needs no new
// ordering walk: the formulas it reaches are calculated in the order kept here.
//
// Promises: while valid(), calculating any set of formulas in rank order calculates each after
// every formula it reads (directly or not), and those on a reference cycle are marked as such.
// The order is recorded by a full calculation; a new formula that nothing reads joins at the
// end; a removed one drops out; any other change to what reads what makes it invalid.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

class FormulaCalcOrder {
  public:
    static constexpr std::uint32_t kNoRank = 0xFFFFFFFFu;

    bool valid() const { return valid_; }
    void invalidate() { valid_ = recording_ = false; }
    // Starts recording a full order over ids below `idLimit`; valid once finish() is called
    // with no invalidate() in between.
    void begin(std::size_t idLimit);
    void record(std::uint32_t id, bool onCycle);
    void finish() {
        valid_ = recording_;
        recording_ = false;
    }
    // A new formula that nothing reads goes last; one that is read invalidates the order.
    void added(std::uint32_t id, bool isRead);
    void removed(std::uint32_t id);
    void clear();  // an empty sheet: valid

    // Calls f(id, onCycle) in rank order for each id in `ids` (which it reorders).
    template <typename F>
    void forEachInOrder(std::vector<std::uint32_t>& ids, F f) const;

  private:
    std::uint32_t rankOf(std::uint32_t id) const { return id < rank_.size() ? rank_[id] : kNoRank; }
    void compact();
    void reach(std::uint32_t id);

    std::vector<std::uint32_t> order_;  // ids by rank; an id whose rank differs is stale
    std::vector<std::uint32_t> rank_;
    std::vector<std::uint8_t> cycle_;
    std::size_t live_ = 0;
    bool valid_ = true;
    bool recording_ = false;
};

template <typename F>
void FormulaCalcOrder::forEachInOrder(std::vector<std::uint32_t>& ids, F f) const {
    // Many ids: one pass over the whole order, marking by rank; few: sort them by rank.
    if (ids.size() * 16 < order_.size()) {
        std::vector<std::uint64_t> keyed;
        keyed.reserve(ids.size());
        for (std::uint32_t id : ids)
            if (rankOf(id) != kNoRank)
                keyed.push_back((static_cast<std::uint64_t>(rankOf(id)) << 32) | id);
        std::sort(keyed.begin(), keyed.end());
        for (std::uint64_t k : keyed) {
            auto id = static_cast<std::uint32_t>(k);
            f(id, cycle_[id] != 0);
        }
        return;
    }
    std::vector<std::uint8_t> wanted(order_.size(), 0);
    for (std::uint32_t id : ids)
        if (rankOf(id) != kNoRank) wanted[rankOf(id)] = 1;
    const std::size_t n = order_.size();
    for (std::size_t r = 0; r < n; ++r)
        if (wanted[r]) f(order_[r], cycle_[order_[r]] != 0);
}
