#pragma once
// The format id of every cell of a sheet (0: the default format), kept in blocks of 64 rows
// of one column: the format is what nearly every cell call reads, and a block's ids lie side by
// side, so a run of cells down a column finds them in the same few cache lines however many
// cells the sheet formats (a hash node per cell is a cache miss per cell once thousands of
// them no longer fit the processor's caches).
#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "spare_nodes.h"
#include "write_stamp.h"

class FormatIdBlocks {
  public:
    FormatIdBlocks() = default;
    FormatIdBlocks(const FormatIdBlocks& other) : blocks_(other.blocks_) {}
    // Reuses the blocks this one held (a sheet loaded again formats the same cells again).
    FormatIdBlocks& operator=(const FormatIdBlocks& other) {
        written_ = nextWriteStamp();
        spares_.assign(blocks_, other.blocks_);
        return *this;
    }
    std::uint32_t get(int col, int row) const {
        const auto it = blocks_.find(blockKey(col, row));
        return it == blocks_.end() ? 0 : it->second.ids[row & kRowMask];
    }
    void set(int col, int row, std::uint32_t id);
    // Gives the cell the id `next(current id)` with one look-up of its block; an id equal to
    // the current one changes nothing (no new write stamp). Returns the id the cell has then.
    template <typename Next>
    std::uint32_t change(int col, int row, Next next);
    void clear() {
        written_ = nextWriteStamp();
        blocks_.clear();
    }
    // The write stamp (write_stamp.h) of the last change to any id.
    std::uint64_t written() const { return written_; }
    // Every cell of a non-default format, in no particular order.
    void forEach(const std::function<void(int col, int row, std::uint32_t id)>& visit) const;
    // Moves every id to where `move` puts its cell; `move` returning false drops it.
    void move(const std::function<bool(int& col, int& row)>& move);

  private:
    static constexpr int kRowBits = 6;
    static constexpr int kRowMask = (1 << kRowBits) - 1;
    struct Block {
        std::array<std::uint32_t, 1 << kRowBits> ids{};
        int formatted = 0;  // ids that are not 0; a block without any is dropped
        void reset() {      // a spare block taken for new cells: all default, filled in place
            ids.fill(0);
            formatted = 0;
        }
    };
    // Stores `id` in the slot of (col, row) of the block `it`, or of a new block when `it` is
    // the end; drops a block left without formatted cells.
    using Blocks = std::unordered_map<std::uint64_t, Block>;
    void store(Blocks::iterator it, int col, int row, std::uint32_t id);
    static std::uint64_t blockKey(int col, int row) {
        return (std::uint64_t(std::uint32_t(col)) << 32) | std::uint32_t(row >> kRowBits);
    }
    Blocks blocks_;
    SpareNodes<Blocks> spares_;
    std::uint64_t written_ = nextWriteStamp();
};

template <typename Next>
std::uint32_t FormatIdBlocks::change(int col, int row, Next next) {
    const auto it = blocks_.find(blockKey(col, row));
    const std::uint32_t current = it == blocks_.end() ? 0 : it->second.ids[row & kRowMask];
    const std::uint32_t id = next(current);
    if (id != current) store(it, col, row, id);
    return id;
}
