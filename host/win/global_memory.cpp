#include "global_memory.h"

#include <cstring>
#include <map>
#include <memory>

#include "failure_injection.h"
#include "win_driver.h"

namespace {

struct Block {
    std::unique_ptr<char[]> bytes;
    SIZE_T size = 0;
    int locks = 0;
};

struct Heap {
    std::map<UINT_PTR, Block> blocks;
    UINT_PTR nextHandle = 0x10000;
    int misuses = 0;
};

Heap& heap() {
    static Heap h;
    return h;
}

// Storage of at least one byte so a zero-sized block still has a distinct address.
std::unique_ptr<char[]> zeroed(SIZE_T bytes) {
    return std::unique_ptr<char[]>(new char[bytes == 0 ? 1 : bytes]());
}

Block* find(HGLOBAL handle) {
    auto it = heap().blocks.find(reinterpret_cast<UINT_PTR>(handle));
    if (it == heap().blocks.end()) {
        ++heap().misuses;
        return nullptr;
    }
    return &it->second;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT /*flags*/, SIZE_T bytes) {
    if (winShouldFail(WinFailure::GlobalAlloc)) return nullptr;
    Heap& h = heap();
    UINT_PTR id = h.nextHandle;
    h.nextHandle += 0x10;
    h.blocks[id] = Block{zeroed(bytes), bytes, 0};
    return reinterpret_cast<HGLOBAL>(id);
}

LPVOID GlobalLock(HGLOBAL handle) {
    Block* b = find(handle);
    if (b == nullptr || winShouldFail(WinFailure::GlobalLock)) return nullptr;
    ++b->locks;
    return b->bytes.get();
}

BOOL GlobalUnlock(HGLOBAL handle) {
    Block* b = find(handle);
    if (b == nullptr || b->locks == 0) return FALSE;
    --b->locks;
    return b->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
    if (find(handle) == nullptr) return handle;
    heap().blocks.erase(reinterpret_cast<UINT_PTR>(handle));
    return nullptr;
}

HGLOBAL GlobalReAlloc(HGLOBAL handle, SIZE_T bytes, UINT /*flags*/) {
    Block* b = find(handle);
    if (b == nullptr || b->locks > 0) return nullptr;
    if (winShouldFail(WinFailure::GlobalAlloc)) return nullptr;
    auto grown = zeroed(bytes);
    std::memcpy(grown.get(), b->bytes.get(), bytes < b->size ? bytes : b->size);
    b->bytes = std::move(grown);
    b->size = bytes;
    return handle;
}

SIZE_T GlobalSize(HGLOBAL handle) {
    Block* b = find(handle);
    return b == nullptr ? 0 : b->size;
}

int globalMemoryLiveBlocks() {
    return static_cast<int>(heap().blocks.size());
}
int globalMemoryMisuses() {
    return heap().misuses;
}

void globalMemoryReset() {
    Heap& h = heap();
    h.blocks.clear();
    h.misuses = 0;
}
