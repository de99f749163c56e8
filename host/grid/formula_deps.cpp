#include "formula_deps.h"

#include <algorithm>

#include "formula_code.h"

template <typename F>
void FormulaDeps::forEachReferencedCell(const std::uint32_t* code, std::size_t length, F cell,
                                        bool& hasBig) const {
    hasBig = false;
    for (std::size_t pc = 0; pc < length; pc += codeLength(code + pc)) {
        const std::uint32_t* w = code + pc;
        Op op = codeOp(*w);
        if ((op != Op::Ref && op != Op::Range) || (codeB(*w) & kRefDeleted)) continue;
        int c1 = static_cast<int>(w[1]), r1 = static_cast<int>(w[2]);
        if (op == Op::Ref) {
            cell(c1, r1);
            continue;
        }
        int c2 = static_cast<int>(w[3]), r2 = static_cast<int>(w[4]);
        long size = static_cast<long>(c2 - c1 + 1) * static_cast<long>(r2 - r1 + 1);
        if (size > kSmallRange) {
            hasBig = true;
            continue;
        }
        for (int c = c1; c <= c2; ++c)
            for (int r = r1; r <= r2; ++r) cell(c, r);
    }
}

void FormulaDeps::link(std::uint32_t id, int col, int row) {
    std::uint32_t e;
    if (freeEdge_ != kNoEdge) {
        e = freeEdge_;
        freeEdge_ = edges_[e].next;
    } else {
        e = static_cast<std::uint32_t>(edges_.size());
        edges_.push_back({});
    }
    std::uint32_t& head = cells_.depHead(col, row);
    edges_[e] = {id, head};
    head = e;
}

void FormulaDeps::unlink(std::uint32_t id, int col, int row) {
    if (cells_.depHeadOf(col, row) == kNoEdge) return;
    std::uint32_t* at = &cells_.depHead(col, row);
    while (*at != kNoEdge) {
        std::uint32_t e = *at;
        if (edges_[e].formula == id) {
            *at = edges_[e].next;
            edges_[e].next = freeEdge_;
            freeEdge_ = e;
        } else {
            at = &edges_[e].next;
        }
    }
}

void FormulaDeps::add(std::uint32_t id, const std::uint32_t* code, std::size_t length) {
    bool hasBig = false;
    forEachReferencedCell(
        code, length, [&](int c, int r) { link(id, c, r); }, hasBig);
    if (!hasBig) return;
    for (std::size_t pc = 0; pc < length; pc += codeLength(code + pc)) {
        const std::uint32_t* w = code + pc;
        if (codeOp(*w) != Op::Range || (codeB(*w) & kRefDeleted)) continue;
        BigRange r{static_cast<int>(w[1]), static_cast<int>(w[2]), static_cast<int>(w[3]),
                   static_cast<int>(w[4]), id};
        if (static_cast<long>(r.c2 - r.c1 + 1) * (r.r2 - r.r1 + 1) > kSmallRange)
            bigRanges_.push_back(r);
    }
}

void FormulaDeps::remove(std::uint32_t id, const std::uint32_t* code, std::size_t length) {
    bool hasBig = false;
    forEachReferencedCell(
        code, length, [&](int c, int r) { unlink(id, c, r); }, hasBig);
    if (!hasBig) return;
    std::erase_if(bigRanges_, [id](const BigRange& r) { return r.formula == id; });
}

void FormulaDeps::clear() {
    edges_.clear();
    freeEdge_ = kNoEdge;
    bigRanges_.clear();
}

bool FormulaDeps::inBigRange(int col, int row) const {
    if (bigRanges_.size() > 64) return true;
    for (const BigRange& r : bigRanges_)
        if (col >= r.c1 && col <= r.c2 && row >= r.r1 && row <= r.r2) return true;
    return false;
}
