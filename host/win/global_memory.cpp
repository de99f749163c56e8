#include "global_memory.h"

#include <cstring>
#include <deque>
#include <memory>
#include <vector>

#include "failure_injection.h"
#include "win_driver.h"

namespace {

// A block's memory: a short text fits in the record itself, a larger one has storage of its
// own. A free record keeps its storage up to kKeptBytes for the next block.
struct Block {
    static constexpr SIZE_T kInlineBytes = 48;
    static constexpr SIZE_T kKeptBytes = 4096;
    UINT_PTR handle = 0;  // 0: the record is free
    SIZE_T size = 0;
    int locks = 0;
    std::unique_ptr<char[]> storage;
    SIZE_T room = 0;  // bytes of `storage`
    char inlineBytes[kInlineBytes];

    char* bytes() { return storage ? storage.get() : inlineBytes; }
    // Zero-filled memory for `bytes` bytes, the first `keep` bytes of the old content kept.
    void reshape(SIZE_T bytes, SIZE_T keep) {
        char* old = this->bytes();
        if (bytes > kInlineBytes && bytes > room) {
            auto grown = std::unique_ptr<char[]>(new char[bytes]);
            std::memcpy(grown.get(), old, keep);
            storage = std::move(grown);
            room = bytes;
        }
        std::memset(this->bytes() + keep, 0, (bytes > keep ? bytes : keep) - keep);
        size = bytes;
    }
    void release() {
        handle = 0;
        locks = 0;
        if (room > kKeptBytes) storage.reset(), room = 0;
    }
};

// Records in a deque (a locked block's memory never moves while others are made), found by
// handle through an open-addressing table. Handles count up and are never given twice.
struct Heap {
    std::deque<Block> records;
    std::vector<std::uint32_t> freeRecords;
    std::vector<std::uint32_t> table;  // record number + 1, or 0 for an empty place
    std::size_t live = 0;
    UINT_PTR nextHandle = 0x10000;
    int misuses = 0;

    int placeBits = 0;  // table.size() == 1 << placeBits

    // Handles count up by 0x10; multiplying spreads a run of them over the table, so that the
    // runs of occupied places a look-up or an erase walks stay short.
    std::size_t placeOf(UINT_PTR handle) const {
        return static_cast<std::size_t>(((handle >> 4) * 0x9E3779B97F4A7C15ull) >>
                                        (64 - placeBits));
    }

    Block* find(UINT_PTR handle) {
        if (table.empty()) return nullptr;
        for (std::size_t i = placeOf(handle); table[i] != 0; i = (i + 1) & (table.size() - 1)) {
            Block& b = records[table[i] - 1];
            if (b.handle == handle) return &b;
        }
        return nullptr;
    }

    void insert(std::uint32_t record) {
        if ((live + 1) * 2 > table.size()) grow();
        std::size_t i = placeOf(records[record].handle);
        while (table[i] != 0) i = (i + 1) & (table.size() - 1);
        table[i] = record + 1;
        ++live;
    }

    void grow() {
        std::vector<std::uint32_t> old = std::move(table);
        placeBits = old.empty() ? 6 : placeBits + 1;
        table.assign(std::size_t{1} << placeBits, 0);
        for (std::uint32_t entry : old) {
            if (entry == 0) continue;
            std::size_t i = placeOf(records[entry - 1].handle);
            while (table[i] != 0) i = (i + 1) & (table.size() - 1);
            table[i] = entry;
        }
    }

    // Takes a handle's place out of the table, moving later entries of its run back so that
    // every look-up still finds its entry without passing an empty place.
    void erase(UINT_PTR handle) {
        const std::size_t mask = table.size() - 1;
        std::size_t hole = placeOf(handle);
        while (records[table[hole] - 1].handle != handle) hole = (hole + 1) & mask;
        const std::uint32_t record = table[hole] - 1;
        for (std::size_t i = (hole + 1) & mask; table[i] != 0; i = (i + 1) & mask) {
            const std::size_t home = placeOf(records[table[i] - 1].handle);
            // The entry may fill the hole when its home does not lie in (hole, i].
            if (((i - home) & mask) >= ((i - hole) & mask)) {
                table[hole] = table[i];
                hole = i;
            }
        }
        table[hole] = 0;
        records[record].release();
        freeRecords.push_back(record);
        --live;
    }
};

Heap& heap() {
    static Heap h;
    return h;
}

Block* find(HGLOBAL handle) {
    Heap& h = heap();
    Block* b = handle ? h.find(reinterpret_cast<UINT_PTR>(handle)) : nullptr;
    if (b == nullptr) ++h.misuses;
    return b;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT /*flags*/, SIZE_T bytes) {
    if (winShouldFail(WinFailure::GlobalAlloc)) return nullptr;
    Heap& h = heap();
    std::uint32_t record;
    if (!h.freeRecords.empty()) {
        record = h.freeRecords.back();
        h.freeRecords.pop_back();
    } else {
        record = static_cast<std::uint32_t>(h.records.size());
        h.records.emplace_back();
    }
    Block& b = h.records[record];
    b.reshape(bytes, 0);
    b.handle = h.nextHandle;
    h.nextHandle += 0x10;
    h.insert(record);
    return reinterpret_cast<HGLOBAL>(b.handle);
}

LPVOID GlobalLock(HGLOBAL handle) {
    Block* b = find(handle);
    if (b == nullptr || winShouldFail(WinFailure::GlobalLock)) return nullptr;
    ++b->locks;
    return b->bytes();
}

BOOL GlobalUnlock(HGLOBAL handle) {
    Block* b = find(handle);
    if (b == nullptr || b->locks == 0) return FALSE;
    --b->locks;
    return b->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
    if (find(handle) == nullptr) return handle;
    heap().erase(reinterpret_cast<UINT_PTR>(handle));
    return nullptr;
}

HGLOBAL GlobalReAlloc(HGLOBAL handle, SIZE_T bytes, UINT /*flags*/) {
    Block* b = find(handle);
    if (b == nullptr || b->locks > 0) return nullptr;
    if (winShouldFail(WinFailure::GlobalAlloc)) return nullptr;
    b->reshape(bytes, bytes < b->size ? bytes : b->size);
    return handle;
}

SIZE_T GlobalSize(HGLOBAL handle) {
    Block* b = find(handle);
    return b == nullptr ? 0 : b->size;
}

int globalMemoryLiveBlocks() {
    return static_cast<int>(heap().live);
}
int globalMemoryMisuses() {
    return heap().misuses;
}

void globalMemoryReset() {
    Heap& h = heap();
    for (std::size_t i = 0; i < h.records.size(); ++i) {
        if (h.records[i].handle != 0) h.erase(h.records[i].handle);
    }
    h.misuses = 0;
}
