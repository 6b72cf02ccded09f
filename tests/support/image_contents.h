#pragma once

// The image buffer's contents for tests, through the same lock and unlock as every user.

#include <algorithm>
#include <vector>

#include "image/image_buffer.h"

// Fills the image as a chip read or an image open would: bytes from offset 0, the last
// offset after them.
inline void FillImage(const std::vector<BYTE>& bytes) {
    std::copy(bytes.begin(), bytes.end(), LockImage());
    UnlockImage();
    g_dwLastOffset = static_cast<DWORD>(bytes.size() - 1);
}

// Buffer bytes 0 to nBytes - 1, inside the image or not.
inline std::vector<BYTE> ImageBytes(std::size_t nBytes) {
    const BYTE* pImage = LockImage();
    std::vector<BYTE> bytes(pImage, pImage + nBytes);
    UnlockImage();
    return bytes;
}
