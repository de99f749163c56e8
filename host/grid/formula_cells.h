// Compact storage of a sheet's cells for the formula engine.
//
// Columns hold blocks of 256 rows, allocated when a cell in them is first written; a block
// keeps each field in its own array (17 bytes a cell: an 8-byte payload, the formula id, the
// head of the cell's dependent list, the kind). Texts live in a slot pool (one slot per text
// cell, reused; cell_text_pool.h). Reading a cell that was never written is cheap and
// allocates nothing.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cell_text_pool.h"
#include "formula_value.h"
#include "write_stamp.h"

enum class CellKind : std::uint8_t { Empty, Number, Text, Logical, Error };

constexpr std::uint32_t kNoFormula = 0xFFFFFFFFu;
constexpr std::uint32_t kNoEdge = 0xFFFFFFFFu;

class CellStore {
  public:
    static constexpr int kBlockBits = 8;
    static constexpr int kBlockRows = 1 << kBlockBits;

    union Payload {
        double num;          // Number, Logical (1/0)
        std::uint32_t text;  // Text: slot in the pool
        FormulaError error;  // Error
    };
    struct Block {
        std::array<Payload, kBlockRows> payload;
        std::array<std::uint32_t, kBlockRows> formula;
        std::array<std::uint32_t, kBlockRows> depHead;
        std::array<CellKind, kBlockRows> kind;
        // Slots from `used` on were never written (touch() is the only way to a block that
        // writes): they hold the defaults, so a copy need not look at them.
        int used = 0;
        Block();
        // Makes this block equal to `other`, visiting only the slots either one has used.
        void copyFrom(const Block& other);
    };
    // One cell's contents, as moved by remap().
    struct Moved {
        int col, row;
        CellKind kind;
        Payload payload;
        std::uint32_t formula;
    };

    CellStore() = default;
    // A deep copy: blocks, texts and dependent-list heads (edge numbers, valid in a copy of
    // the FormulaDeps that made them).
    CellStore(const CellStore& other) { assign(other); }
    CellStore& operator=(const CellStore&) = delete;
    // Makes this a copy of `other`, reusing the blocks and text buffers this one holds.
    void assign(const CellStore& other);

    // nullptr when the block of (col, row) was never allocated.
    const Block* block(int col, int row) const {
        if (col < 0 || row < 0 || col >= static_cast<int>(columns_.size())) return nullptr;
        const auto& blocks = columns_[static_cast<std::size_t>(col)].blocks;
        const auto b = static_cast<std::size_t>(row >> kBlockBits);
        return b < blocks.size() ? blocks[b].get() : nullptr;
    }
    // Allocates as needed; col, row must be in range. Every write goes through here (or
    // setEmpty, assign, clear, remap) and takes a new write stamp.
    Block& touch(int col, int row) {
        written_ = nextWriteStamp();
        // An allocated block is the usual case: taken here without a call.
        if (Block* b = const_cast<Block*>(block(col, row))) {
            if (slot(row) >= b->used) b->used = slot(row) + 1;
            return *b;
        }
        return allocate(col, row);
    }
    static int slot(int row) { return row & (kBlockRows - 1); }

    CellKind kind(int col, int row) const;
    std::uint32_t formula(int col, int row) const {
        const Block* b = block(col, row);
        return b ? b->formula[static_cast<std::size_t>(slot(row))] : kNoFormula;
    }
    double number(int col, int row) const;  // Number and Logical
    std::string_view text(int col, int row) const;
    FormulaError error(int col, int row) const;

    // Sets the value (the formula id stays); a text reuses the cell's slot.
    void setNumber(int col, int row, double v, CellKind kind = CellKind::Number);
    void setText(int col, int row, std::string_view t);
    void setError(int col, int row, FormulaError e);
    void setEmpty(int col, int row);
    void setFormula(int col, int row, std::uint32_t id) {
        touch(col, row).formula[static_cast<std::size_t>(slot(row))] = id;
        noteUsed(col, row);
    }
    std::uint32_t& depHead(int col, int row) {
        return touch(col, row).depHead[static_cast<std::size_t>(slot(row))];
    }
    std::uint32_t depHeadOf(int col, int row) const {
        const Block* b = block(col, row);
        return b ? b->depHead[static_cast<std::size_t>(slot(row))] : kNoEdge;
    }

    FormulaValue value(int col, int row) const;
    FormulaValueView view(int col, int row) const;  // value() without copying a text
    // view() of a cell without a formula; nullopt for a formula cell.
    std::optional<FormulaValueView> constantView(int col, int row) const;
    // constantView(), but a text constant that `refusal` refuses is emptied first, as
    // setEmpty() does, and reads as Empty; `emptied` tells whether that happened.
    std::optional<FormulaValueView> constantViewEmptyingText(int col, int row, TextRefusal refusal,
                                                             bool& emptied);
    // The write stamp (write_stamp.h) of the last change to any cell.
    std::uint64_t written() const { return written_; }
    int usedCols() const { return usedCols_; }
    int usedRows() const { return usedRows_; }

    // Calls f(col, firstRow, lastRow) for the rows of every allocated block that were ever
    // written: together they hold every cell with contents. Column by column.
    template <typename F>
    void forEachWrittenRun(F f) const {
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const auto& blocks = columns_[c].blocks;
            for (std::size_t b = 0; b < blocks.size(); ++b) {
                if (!blocks[b] || blocks[b]->used == 0) continue;
                const int first = static_cast<int>(b) << kBlockBits;
                f(static_cast<int>(c), first, first + blocks[b]->used - 1);
            }
        }
    }
    // Calls f(col, row, formulaId) for every formula cell within the block of cells given.
    template <typename F>
    void forEachFormulaIn(int c1, int r1, int c2, int r2, F f) const;
    // Takes every non-empty cell out (dependent lists are dropped) and puts each back where
    // `place(Moved&)` says (it may change col and row; false drops the cell, whose text slot is
    // freed). The caller learns about dropped formulas through `place`.
    template <typename P>
    void remap(P place);
    void clear();

  private:
    struct Column {
        std::vector<std::unique_ptr<Block>> blocks;
    };
    void noteUsed(int col, int row) {
        if (col > usedCols_) usedCols_ = col;
        if (row > usedRows_) usedRows_ = row;
    }
    Block& allocate(int col, int row);  // touch() of a block not allocated yet
    FormulaValueView viewOf(const Block& b, int slotIndex) const;
    void freeText(Block& b, int s);
    // Empties slot `s` of `b` (its text freed) under a new write stamp.
    void emptySlot(Block& b, int s);
    std::vector<Moved> takeAll();

    std::vector<Column> columns_;
    CellTextPool texts_;
    int usedCols_ = 0;
    int usedRows_ = 0;
    std::uint64_t written_ = nextWriteStamp();
};

template <typename F>
void CellStore::forEachFormulaIn(int c1, int r1, int c2, int r2, F f) const {
    if (c2 >= static_cast<int>(columns_.size())) c2 = static_cast<int>(columns_.size()) - 1;
    for (int c = c1; c <= c2; ++c) {
        const auto& blocks = columns_[static_cast<std::size_t>(c)].blocks;
        int last = r2 >> kBlockBits;
        if (last >= static_cast<int>(blocks.size())) last = static_cast<int>(blocks.size()) - 1;
        for (int b = r1 >> kBlockBits; b <= last; ++b) {
            const Block* blk = blocks[static_cast<std::size_t>(b)].get();
            if (!blk) continue;
            int from = b == (r1 >> kBlockBits) ? slot(r1) : 0;
            int to = b == (r2 >> kBlockBits) ? slot(r2) : kBlockRows - 1;
            for (int s = from; s <= to; ++s)
                if (blk->formula[static_cast<std::size_t>(s)] != kNoFormula)
                    f(c, (b << kBlockBits) | s, blk->formula[static_cast<std::size_t>(s)]);
        }
    }
}

template <typename P>
void CellStore::remap(P place) {
    std::vector<Moved> all = takeAll();
    for (Moved& m : all) {
        if (!place(m)) {
            if (m.kind == CellKind::Text) texts_.free(m.payload.text);
            continue;
        }
        Block& b = touch(m.col, m.row);
        std::size_t s = static_cast<std::size_t>(slot(m.row));
        b.kind[s] = m.kind;
        b.payload[s] = m.payload;
        b.formula[s] = m.formula;
        noteUsed(m.col, m.row);
    }
}
