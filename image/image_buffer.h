#pragma once

// The one EPROM image in memory: a block of 65,536 bytes, the offset of its last valid
// byte and the path of the image file last opened. The block lives as long as the
// programmer form. Every user locks it (g_pImage = GlobalLock(g_hImage)), tests the
// pointer, and unlocks it exactly once before returning.

#include <string>

#include "platform/global_memory.h"
#include "platform/win_types.h"

inline constexpr DWORD IMAGE_BUFFER_SIZE = 0x10000;

extern HGLOBAL g_hImage;
extern BYTE* g_pImage;
// The image is bytes 0 to g_dwLastOffset; 0 means empty, so a one-byte image counts as
// empty too. Never above 0xFFFF.
extern DWORD g_dwLastOffset;
extern std::string g_strImagePath;

// Allocates the block and tries one lock. Returns nullptr on success, otherwise the text of
// the message box the form shows (the form is still created and works).
const char* AllocateImageBuffer();
// One unlock, then the block is freed.
void ReleaseImageBuffer();

// Locks the block into g_pImage and returns it (null when the lock failed).
BYTE* LockImage();
void UnlockImage();

bool IsImageEmpty();
