#pragma once

// Lockable memory blocks in the manner the image buffer is written for: a block is
// allocated once, and every user locks it to get its address and unlocks it again. Here a
// block is ordinary heap memory whose lock yields its address; the lock count is kept so
// that a missing or extra unlock shows in tests.
//
// A test seam makes the next allocations or locks fail, so that every message of a failed
// allocation or lock can be shown.

#include <cstddef>

#include "platform/win_types.h"

struct GlobalBlock;
using HGLOBAL = GlobalBlock*;

constexpr unsigned GMEM_MOVEABLE = 0x0002;
constexpr unsigned GMEM_NOCOMPACT = 0x0010;

HGLOBAL GlobalAlloc(unsigned uFlags, std::size_t nBytes);
// Null for a null handle, or while the seam makes locks fail. A lock that yields null
// still counts, so that its unlock balances it.
void* GlobalLock(HGLOBAL hBlock);
// False once the block is no longer locked, as the window system answers.
bool GlobalUnlock(HGLOBAL hBlock);
// Null on success.
HGLOBAL GlobalFree(HGLOBAL hBlock);

// Lock count of a block (0 for a null handle).
int GlobalLockCount(HGLOBAL hBlock);

// Test seam. The allocation failure applies to every allocation until it is cleared; the
// lock failure to every lock.
void SetGlobalAllocFails(bool bFails);
void SetGlobalLockFails(bool bFails);
