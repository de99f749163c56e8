#include "global_memory.h"

#include <cstring>
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

// Records in chunks of a fixed size (a locked block's memory never moves while others are
// made). A handle
// carries its record's number in its low bits and a serial number above them, so a look-up is
// one check of the record, and a handle is never given twice (serials count up).
struct Heap {
    static constexpr unsigned kRecordBits = 24;  // up to 16M live blocks
    static constexpr UINT_PTR kRecordMask = (UINT_PTR{1} << kRecordBits) - 1;
    static constexpr unsigned kRecordShift = 4;  // handles look like aligned addresses

    static constexpr unsigned kChunkBits = 8;
    static constexpr std::size_t kChunkMask = (std::size_t{1} << kChunkBits) - 1;

    std::vector<std::unique_ptr<Block[]>> chunks;
    std::size_t recordCount = 0;
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
        if (recordCount > kRecordMask) return false;
        if ((recordCount & kChunkMask) == 0)
            chunks.push_back(std::make_unique<Block[]>(kChunkMask + 1));
        record = static_cast<std::uint32_t>(recordCount++);
        return true;
    }

    Block& at(std::size_t record) { return chunks[record >> kChunkBits][record & kChunkMask]; }

    UINT_PTR handleFor(std::uint32_t record) {
        return (nextSerial++ << (kRecordBits + kRecordShift)) |
               (static_cast<UINT_PTR>(record) << kRecordShift);
    }

    Block* find(UINT_PTR handle) {
        const std::size_t record = (handle >> kRecordShift) & kRecordMask;
        if (record >= recordCount) return nullptr;
        Block& b = at(record);
        return b.handle == handle && handle != 0 ? &b : nullptr;
    }

    void erase(Block& b) {
        const auto record = static_cast<std::uint32_t>((b.handle >> kRecordShift) & kRecordMask);
        b.release();
        freeRecords.push_back(record);
        --live;
    }
};

// The one heap: made before any other static object may use it and never destroyed, so that
// blocks may be freed by static objects' destructors too.
union HeapHolder {
    constexpr HeapHolder() : heap() {}
    ~HeapHolder() {}
    Heap heap;
};
constinit HeapHolder gHeapHolder;

Heap& heap() {
    return gHeapHolder.heap;
}

Block* find(HGLOBAL handle) {
    Heap& h = heap();
    Block* b = handle ? h.find(reinterpret_cast<UINT_PTR>(handle)) : nullptr;
    if (b == nullptr) ++h.misuses;
    return b;
}

// A new zero-filled block, or nullptr when allocation is made to fail or the heap is full.
Block* allocate(SIZE_T bytes) {
    if (winShouldFail(WinFailure::GlobalAlloc)) return nullptr;
    Heap& h = heap();
    std::uint32_t record;
    if (!h.take(record)) return nullptr;
    Block& b = h.at(record);
    b.reshape(bytes, 0);
    b.handle = h.handleFor(record);
    ++h.live;
    return &b;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT /*flags*/, SIZE_T bytes) {
    Block* b = allocate(bytes);
    return b ? reinterpret_cast<HGLOBAL>(b->handle) : nullptr;
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

HGLOBAL globalMemoryTextBlock(std::string_view text) {
    Block* b = allocate(text.size() + 1);
    if (b == nullptr) return nullptr;
    if (winShouldFail(WinFailure::GlobalLock)) {
        heap().erase(*b);
        return nullptr;
    }
    std::memcpy(b->bytes(), text.data(), text.size());
    return reinterpret_cast<HGLOBAL>(b->handle);
}

std::string_view globalMemoryText(HGLOBAL handle) {
    Block* b = find(handle);
    if (b == nullptr || winShouldFail(WinFailure::GlobalLock)) return {};
    const char* bytes = b->bytes();
    return {bytes, strnlen(bytes, b->size)};
}

int globalMemoryLiveBlocks() {
    return static_cast<int>(heap().live);
}
int globalMemoryMisuses() {
    return heap().misuses;
}

void globalMemoryReset() {
    Heap& h = heap();
    for (std::size_t i = 0; i < h.recordCount; ++i) {
        if (h.at(i).handle != 0) h.erase(h.at(i));
    }
    h.misuses = 0;
}
