// Global memory blocks addressed by handle, as the window system hands them between programs
// (the grid control passes strings to custom functions this way).
//
// Every handle is tracked: a handle is never reused within a run, so freeing a block twice,
// locking a freed block or passing a made-up handle fails cleanly (the call returns its
// failure value and the misuse is counted) instead of corrupting memory. Blocks are always
// zero-filled. Allocation can be made to fail for tests (failure_injection.h).
#pragma once

#include "win_types.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_SHARE = 0x2000;
constexpr UINT GMEM_DDESHARE = GMEM_SHARE;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

// A new block of `bytes` bytes (zero-filled); nullptr when allocation is made to fail.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// The block's memory, valid until the block is resized or freed; each call adds one lock.
// nullptr for an unknown or freed handle.
LPVOID GlobalLock(HGLOBAL block);
// Removes one lock. TRUE while locks remain, FALSE when the count reached 0 or the handle is
// unknown (the platform's own convention).
BOOL GlobalUnlock(HGLOBAL block);
// nullptr on success; the handle itself when it is unknown or already freed.
HGLOBAL GlobalFree(HGLOBAL block);
// Resizes keeping the content (new bytes zero-filled); returns the same handle, or nullptr
// when the handle is unknown, the block is locked or allocation is made to fail (the block
// is then unchanged).
HGLOBAL GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags);
// The size asked for at allocation; 0 for an unknown handle.
SIZE_T GlobalSize(HGLOBAL block);
