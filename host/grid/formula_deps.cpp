#include "formula_deps.h"

#include <algorithm>

#include "formula_code.h"

template <typename F>
void FormulaDeps::forEachReference(const std::uint32_t* code, std::size_t length,
                                   const CodeView* refs, F f) {
    const auto visit = [&](const std::uint32_t* w) {
        if (codeB(*w) & kRefDeleted) return;
        BigRange range{static_cast<int>(w[1]), static_cast<int>(w[2]), 0, 0, 0};
        if (codeOp(*w) == Op::Range) {
            range.c2 = static_cast<int>(w[3]);
            range.r2 = static_cast<int>(w[4]);
        } else {
            range.c2 = range.c1;
            range.r2 = range.r1;
        }
        f(range);
    };
    if (refs) {
        for (std::uint32_t pc : *refs) visit(code + pc);
        return;
    }
    for (std::size_t pc = 0; pc < length; pc += codeLength(code + pc)) {
        const Op op = codeOp(code[pc]);
        if (op == Op::Ref || op == Op::Range) visit(code + pc);
    }
}

template <typename Cell, typename Big>
void FormulaDeps::forEachReferencedCell(const std::uint32_t* code, std::size_t length,
                                        const CodeView* refs, Cell cell, Big big) {
    forEachReference(code, length, refs, [&](const BigRange& range) {
        const long size =
            static_cast<long>(range.c2 - range.c1 + 1) * static_cast<long>(range.r2 - range.r1 + 1);
        if (size > kSmallRange) return big(range);
        for (int c = range.c1; c <= range.c2; ++c)
            for (int r = range.r1; r <= range.r2; ++r) cell(c, r);
    });
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

void FormulaDeps::add(std::uint32_t id, const std::uint32_t* code, std::size_t length,
                      const CodeView* refs) {
    forEachReferencedCell(
        code, length, refs, [&](int c, int r) { link(id, c, r); },
        [&](BigRange range) {
            range.formula = id;
            bigRanges_.push_back(range);
        });
}

void FormulaDeps::remove(std::uint32_t id, const std::uint32_t* code, std::size_t length) {
    bool hasBig = false;
    forEachReferencedCell(
        code, length, nullptr, [&](int c, int r) { unlink(id, c, r); },
        [&](const BigRange&) { hasBig = true; });
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
