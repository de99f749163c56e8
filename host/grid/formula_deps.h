// Who reads which cell: the reverse edges of the formulas' references, kept up to date as
// formulas come and go, so that a change finds the formulas to calculate again.
//
// A reference to a cell, and each cell of a small range, links the formula into that cell's
// dependent list (an intrusive list in an edge pool; the head lives in the cell store). Large
// ranges are kept whole in a list that is searched by containment.
#pragma once

#include <cstdint>
#include <vector>

#include "formula_cells.h"
#include "formula_code.h"

class FormulaDeps {
  public:
    static constexpr long kSmallRange = 64;  // cells; larger ranges are kept whole

    explicit FormulaDeps(CellStore& cells) : cells_(cells) {}
    // A copy of `other` whose list heads live in `cells`, a copy of other's cell store.
    FormulaDeps(const FormulaDeps& other, CellStore& cells) : cells_(cells) { assign(other); }
    FormulaDeps(const FormulaDeps&) = delete;  // would read the other sheet's cells
    FormulaDeps& operator=(const FormulaDeps&) = delete;
    // Takes other's edges; this one's heads must be in a copy of other's cell store.
    void assign(const FormulaDeps& other) {
        edges_ = other.edges_;
        freeEdge_ = other.freeEdge_;
        bigRanges_ = other.bigRanges_;
    }

    // Links / unlinks formula `id` for every reference in its code; `refs`, when given, are
    // the offsets of the code's Ref and Range instructions (then the code is not walked).
    void add(std::uint32_t id, const std::uint32_t* code, std::size_t length,
             const CodeView* refs = nullptr);
    void remove(std::uint32_t id, const std::uint32_t* code, std::size_t length);
    // Forgets every edge (after the cell store was rebuilt, its heads are gone already).
    void clear();

    // Calls f(formulaId) for each formula that reads (col, row); a formula may come twice.
    template <typename F>
    void forEachDependent(int col, int row, F f) const;
    // Whether any formula reads (col, row); may say true when it cannot tell cheaply.
    bool hasDependent(int col, int row) const {
        if (cells_.depHeadOf(col, row) != kNoEdge) return true;
        return !bigRanges_.empty() && inBigRange(col, row);
    }

  private:
    struct Edge {
        std::uint32_t formula;
        std::uint32_t next;
    };
    // Whether a big range read by a formula holds (col, row); true when there are too many
    // to look through.
    bool inBigRange(int col, int row) const;
    struct BigRange {
        int c1, r1, c2, r2;
        std::uint32_t formula;
    };
    // Calls f(range) for each reference that was not deleted, as the range it covers.
    template <typename F>
    static void forEachReference(const std::uint32_t* code, std::size_t length,
                                 const CodeView* refs, F f);
    // Calls cell(col, row) for each cell of a reference or small range; a big range goes to
    // big(range) instead.
    template <typename Cell, typename Big>
    static void forEachReferencedCell(const std::uint32_t* code, std::size_t length,
                                      const CodeView* refs, Cell cell, Big big);
    void link(std::uint32_t id, int col, int row);
    void unlink(std::uint32_t id, int col, int row);

    CellStore& cells_;
    std::vector<Edge> edges_;
    std::uint32_t freeEdge_ = kNoEdge;
    std::vector<BigRange> bigRanges_;
};

template <typename F>
void FormulaDeps::forEachDependent(int col, int row, F f) const {
    for (std::uint32_t e = cells_.depHeadOf(col, row); e != kNoEdge; e = edges_[e].next)
        f(edges_[e].formula);
    for (const BigRange& r : bigRanges_)
        if (col >= r.c1 && col <= r.c2 && row >= r.r1 && row <= r.r2) f(r.formula);
}
