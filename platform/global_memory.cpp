#include "platform/global_memory.h"

#include <memory>
#include <new>

struct GlobalBlock {
    std::unique_ptr<BYTE[]> pBytes;
    int nLockCount = 0;
};

namespace {

bool g_bAllocFails = false;
bool g_bLockFails = false;

}  // namespace

HGLOBAL GlobalAlloc(unsigned /*uFlags*/, std::size_t nBytes) {
    if (g_bAllocFails) {
        return nullptr;
    }
    auto* pBlock = new (std::nothrow) GlobalBlock;
    if (pBlock == nullptr) {
        return nullptr;
    }
    // Not cleared: the bytes are undefined until a chip read or an image open writes them.
    pBlock->pBytes.reset(new (std::nothrow) BYTE[nBytes]);
    if (!pBlock->pBytes) {
        delete pBlock;
        return nullptr;
    }
    return pBlock;
}

void* GlobalLock(HGLOBAL hBlock) {
    if (hBlock == nullptr) {
        return nullptr;
    }
    ++hBlock->nLockCount;
    return g_bLockFails ? nullptr : hBlock->pBytes.get();
}

bool GlobalUnlock(HGLOBAL hBlock) {
    if (hBlock == nullptr || hBlock->nLockCount == 0) {
        return false;
    }
    --hBlock->nLockCount;
    return hBlock->nLockCount > 0;
}

HGLOBAL GlobalFree(HGLOBAL hBlock) {
    delete hBlock;
    return nullptr;
}

int GlobalLockCount(HGLOBAL hBlock) {
    return hBlock == nullptr ? 0 : hBlock->nLockCount;
}

void SetGlobalAllocFails(bool bFails) {
    g_bAllocFails = bFails;
}

void SetGlobalLockFails(bool bFails) {
    g_bLockFails = bFails;
}
