#include "image/image_buffer.h"

HGLOBAL g_hImage = nullptr;
BYTE* g_pImage = nullptr;
DWORD g_dwLastOffset = 0;
std::string g_strImagePath;

const char* AllocateImageBuffer() {
    g_hImage = GlobalAlloc(GMEM_MOVEABLE | GMEM_NOCOMPACT, IMAGE_BUFFER_SIZE);
    if (g_hImage == nullptr) {
        return "System konnte 64K-Buffer nicht bereitstellen..\n\nBitte Programm schließen !";
    }
    g_pImage = static_cast<BYTE*>(GlobalLock(g_hImage));
    GlobalUnlock(g_hImage);
    if (g_pImage == nullptr) {
        return "System konnte nicht auf 64K-Buffer zugreifen..\n\nBitte Programm schließen !";
    }
    return nullptr;
}

void ReleaseImageBuffer() {
    GlobalUnlock(g_hImage);
    g_hImage = GlobalFree(g_hImage);
    g_pImage = nullptr;
}

BYTE* LockImage() {
    g_pImage = static_cast<BYTE*>(GlobalLock(g_hImage));
    return g_pImage;
}

void UnlockImage() {
    GlobalUnlock(g_hImage);
}

bool IsImageEmpty() {
    return g_dwLastOffset == 0;
}
