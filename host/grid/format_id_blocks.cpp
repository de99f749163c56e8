#include "format_id_blocks.h"

#include <utility>

void FormatIdBlocks::set(int col, int row, std::uint32_t id) {
    store(blocks_.find(blockKey(col, row)), col, row, id);
}

void FormatIdBlocks::store(Blocks::iterator it, int col, int row, std::uint32_t id) {
    written_ = nextWriteStamp();
    if (it == blocks_.end()) {
        if (id == 0) return;
        Block& block = spares_.addNew(blocks_, blockKey(col, row));
        block.ids[row & kRowMask] = id;
        block.formatted = 1;
        return;
    }
    Block& block = it->second;
    std::uint32_t& slot = block.ids[row & kRowMask];
    block.formatted += (id != 0) - (slot != 0);
    slot = id;
    if (block.formatted == 0) spares_.erase(blocks_, it);
}

void FormatIdBlocks::forEach(
    const std::function<void(int col, int row, std::uint32_t id)>& visit) const {
    for (const auto& [key, block] : blocks_) {
        const int col = int(key >> 32);
        const int first = int(key & 0xFFFFFFFFu) << kRowBits;
        for (int i = 0; i <= kRowMask; ++i)
            if (block.ids[i] != 0) visit(col, first + i, block.ids[i]);
    }
}

void FormatIdBlocks::move(const std::function<bool(int& col, int& row)>& move) {
    written_ = nextWriteStamp();
    FormatIdBlocks moved;
    forEach([&](int col, int row, std::uint32_t id) {
        if (move(col, row)) moved.set(col, row, id);
    });
    blocks_ = std::move(moved.blocks_);
}
