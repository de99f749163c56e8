#include "formula_order.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kOnStack = 1, kSelfLoop = 2, kDone = 4;
}

void FormulaOrder::run(FormulaOrderGraph& graph, const std::vector<std::uint32_t>& roots,
                       std::size_t idLimit) {
    if (index_.size() < idLimit) {
        index_.resize(idLimit, 0);
        low_.resize(idLimit, 0);
        flags_.resize(idLimit, 0);
    }
    counter_ = 0;
    for (std::uint32_t r : roots)
        if (r < idLimit && index_[r] == 0 && !(flags_[r] & kDone) && graph.inScope(r))
            walk(graph, r);
    for (std::uint32_t id : touched_) index_[id] = low_[id] = 0, flags_[id] = 0;
    touched_.clear();
}

void FormulaOrder::visit(FormulaOrderGraph& graph, std::uint32_t id) {
    index_[id] = low_[id] = ++counter_;
    flags_[id] = kOnStack;
    touched_.push_back(id);
    sccStack_.push_back(id);
    std::size_t begin = succ_.size();
    graph.precedents(id, succ_);
    frames_.push_back({id, begin});
    succBegin_.push_back(begin);
}

void FormulaOrder::walk(FormulaOrderGraph& graph, std::uint32_t root) {
    visit(graph, root);
    while (!frames_.empty()) {
        Frame& f = frames_.back();
        std::uint32_t v = f.id;
        if (f.next < succ_.size()) {
            std::uint32_t w = succ_[f.next++];
            if (w >= index_.size() || !graph.inScope(w)) continue;
            if (w == v) {
                flags_[v] |= kSelfLoop;
            } else if (index_[w] == 0 && !(flags_[w] & kDone)) {
                visit(graph, w);
            } else if (flags_[w] & kOnStack) {
                low_[v] = std::min(low_[v], index_[w]);
            }
            continue;
        }
        succ_.resize(succBegin_.back());
        succBegin_.pop_back();
        frames_.pop_back();
        finish(graph, v);
        if (!frames_.empty()) {
            std::uint32_t parent = frames_.back().id;
            low_[parent] = std::min(low_[parent], low_[v]);
        }
    }
}

// Closes the component rooted at `v` when v is its root: calculates it, or marks a cycle.
void FormulaOrder::finish(FormulaOrderGraph& graph, std::uint32_t v) {
    if (low_[v] != index_[v]) return;
    auto root = std::find(sccStack_.rbegin(), sccStack_.rend(), v);
    std::size_t first = static_cast<std::size_t>(sccStack_.rend() - root) - 1;
    bool isCycle = sccStack_.size() - first > 1 || (flags_[v] & kSelfLoop);
    for (std::size_t i = first; i < sccStack_.size(); ++i) {
        std::uint32_t id = sccStack_[i];
        flags_[id] = kDone;
        if (isCycle)
            graph.cycle(id);
        else
            graph.calculate(id);
    }
    sccStack_.resize(first);
}
