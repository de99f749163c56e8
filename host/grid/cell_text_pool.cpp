#include "cell_text_pool.h"

#include <cstring>

#include "free_entries.h"

std::uint32_t CellTextPool::add(std::string_view t) {
    const std::uint32_t slot = takeFreeEntry(freeSlots_, slots_);
    set(slot, t);
    return slot;
}

void CellTextPool::set(std::uint32_t slot, std::string_view t) {
    const auto length = static_cast<std::uint32_t>(t.size());
    if (length > slots_[slot].room) {
        // The old bytes stay where they are until the copy is made: `t` may be them.
        Slot old = slots_[slot];
        moveToNewRoom(slots_[slot], length);
        const Slot& s = slots_[slot];
        std::memcpy(chunks_[s.chunk].bytes.get() + s.offset, t.data(), length);
        release(old);
    } else if (length > 0) {
        const Slot& s = slots_[slot];
        std::memmove(chunks_[s.chunk].bytes.get() + s.offset, t.data(), length);
    }
    slots_[slot].length = length;
}

void CellTextPool::free(std::uint32_t slot) {
    Slot& s = slots_[slot];
    s.length = 0;
    if (s.room > kKeptRoom) release(s);
    freeSlots_.push_back(slot);
}

void CellTextPool::moveToNewRoom(Slot& s, std::uint32_t length) {
    const std::uint32_t room = (length + 7) & ~7u;
    std::uint32_t chunk;
    if (room > kOwnChunkBytes) {
        chunk = newChunk(room);
    } else {
        if (current_ == UINT32_MAX || chunks_[current_].size - chunks_[current_].used < room) {
            const std::uint32_t previous = current_;
            current_ = newChunk(kChunkBytes);
            if (previous != UINT32_MAX) giveBackIfUnused(previous);
        }
        chunk = current_;
    }
    Chunk& c = chunks_[chunk];
    s = Slot{chunk, c.used, 0, room};
    c.used += room;
    c.live += room;
}

void CellTextPool::release(Slot& s) {
    if (s.room == 0) return;
    chunks_[s.chunk].live -= s.room;
    giveBackIfUnused(s.chunk);
    s = Slot{};
}

void CellTextPool::giveBackIfUnused(std::uint32_t chunk) {
    if (chunks_[chunk].live != 0 || chunk == current_) return;
    chunks_[chunk] = Chunk{};
    freeChunks_.push_back(chunk);
}

std::uint32_t CellTextPool::newChunk(std::uint32_t size) {
    const std::uint32_t index = takeFreeEntry(freeChunks_, chunks_);
    Chunk& c = chunks_[index];
    c.bytes = std::make_unique<char[]>(size);
    c.size = size;
    c.used = 0;
    c.live = 0;
    return index;
}

void CellTextPool::assign(const CellTextPool& other) {
    if (this == &other) return;
    chunks_.resize(other.chunks_.size());
    for (std::size_t i = 0; i < chunks_.size(); ++i) {
        const Chunk& from = other.chunks_[i];
        Chunk& to = chunks_[i];
        if (!from.bytes) {
            to = Chunk{};
            continue;
        }
        if (!to.bytes || to.size != from.size) to.bytes = std::make_unique<char[]>(from.size);
        std::memcpy(to.bytes.get(), from.bytes.get(), from.used);
        to.size = from.size;
        to.used = from.used;
        to.live = from.live;
    }
    slots_ = other.slots_;
    freeSlots_ = other.freeSlots_;
    freeChunks_ = other.freeChunks_;
    current_ = other.current_;
}

void CellTextPool::clear() {
    slots_.clear();
    freeSlots_.clear();
    chunks_.clear();
    freeChunks_.clear();
    current_ = UINT32_MAX;
}

std::size_t CellTextPool::bytesHeld() const {
    std::size_t held = 0;
    for (const Chunk& c : chunks_) held += c.size;
    return held;
}
