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

// Records in a deque (a locked block's memory never moves while others are made). A handle
// carries its record's number in its low bits and a serial number above them, so a look-up is
// one check of the record, and a handle is never given twice (serials count up).
struct Heap {
    static constexpr unsigned kRecordBits = 24;  // up to 16M live blocks
    static constexpr UINT_PTR kRecordMask = (UINT_PTR{1} << kRecordBits) - 1;
    static constexpr unsigned kRecordShift = 4;  // handles look like aligned addresses

    std::deque<Block> records;
    std::vector<std::uint32_t> freeRecords;
    std::size_t live = 0;
    UINT_PTR nextSerial = 1;
    int misuses = 0;

    // A free record for a new block, or false when the heap holds all it can.
    bool take(std::uint32_t& record) {
        if (!freeRecords.empty()) {
            record = freeRecords.back();
            freeRecords.pop_back();
            return true;
        }
        if (records.size() > kRecordMask) return false;
        record = static_cast<std::uint32_t>(records.size());
        records.emplace_back();
        return true;
    }

    UINT_PTR handleFor(std::uint32_t record) {
        return (nextSerial++ << (kRecordBits + kRecordShift)) |
               (static_cast<UINT_PTR>(record) << kRecordShift);
    }

    Block* find(UINT_PTR handle) {
        const std::size_t record = (handle >> kRecordShift) & kRecordMask;
        if (record >= records.size()) return nullptr;
        Block& b = records[record];
        return b.handle == handle && handle != 0 ? &b : nullptr;
    }

    void erase(Block& b) {
        const auto record = static_cast<std::uint32_t>((b.handle >> kRecordShift) & kRecordMask);
        b.release();
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
    if (!h.take(record)) return nullptr;
    Block& b = h.records[record];
    b.reshape(bytes, 0);
    b.handle = h.handleFor(record);
    ++h.live;
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
    Block* b = find(handle);
    if (b == nullptr) return handle;
    heap().erase(*b);
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
        if (h.records[i].handle != 0) h.erase(h.records[i]);
    }
    h.misuses = 0;
}
