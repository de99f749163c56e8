// The texts of a sheet's text cells: a numbered slot per text, its bytes in chunks that never
// move. A text read from the pool stays valid until its own slot is written or freed, or the
// whole pool is assigned or cleared; writing other slots never moves it.
//
// Copying a pool copies a few chunks whole instead of one allocation per text, which is what
// makes reloading a sheet of thousands of texts cheap. A text rewritten longer than its room
// leaves the old room unused; a chunk is given back once nothing in it is used any more.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CellTextPool {
  public:
    CellTextPool() = default;
    CellTextPool(const CellTextPool& other) { assign(other); }
    CellTextPool& operator=(const CellTextPool&) = delete;

    // A slot holding `t`; a freed slot is taken first.
    std::uint32_t add(std::string_view t);
    // `t` may be a text of this pool, this slot's included.
    void set(std::uint32_t slot, std::string_view t);
    // The slot keeps a small room for its next text; a large one is given up.
    void free(std::uint32_t slot);
    std::string_view text(std::uint32_t slot) const {
        const Slot& s = slots_[slot];
        if (s.length == 0) return {};
        return {chunks_[s.chunk].bytes.get() + s.offset, s.length};
    }
    // Makes this an equal copy of `other`, reusing the chunks this one holds.
    void assign(const CellTextPool& other);
    void clear();
    // The bytes the chunks hold, used or not.
    std::size_t bytesHeld() const;

  private:
    static constexpr std::uint32_t kChunkBytes = 64 * 1024;
    // A text longer than this gets a chunk of its own, given back when the text goes.
    static constexpr std::uint32_t kOwnChunkBytes = kChunkBytes / 4;
    // A freed slot keeps a room up to this size for the next text.
    static constexpr std::uint32_t kKeptRoom = 256;

    struct Slot {
        std::uint32_t chunk = 0;
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
        std::uint32_t room = 0;
    };
    struct Chunk {
        std::unique_ptr<char[]> bytes;
        std::uint32_t size = 0;
        std::uint32_t used = 0;  // bytes handed out, from the start
        std::uint32_t live = 0;  // the rooms of slots still in it
    };

    // Gives `s` a room of at least `length` bytes (its old room released).
    void moveToNewRoom(Slot& s, std::uint32_t length);
    void release(Slot& s);
    // Frees a chunk no slot uses, unless new rooms are still cut from it.
    void giveBackIfUnused(std::uint32_t chunk);
    std::uint32_t newChunk(std::uint32_t size);

    std::vector<Slot> slots_;
    std::vector<std::uint32_t> freeSlots_;
    std::vector<Chunk> chunks_;
    std::vector<std::uint32_t> freeChunks_;  // entries of chunks_ given back
    std::uint32_t current_ = UINT32_MAX;     // the shared chunk new rooms are cut from
};
