#include "platform/global_memory.h"

#include <gtest/gtest.h>

#include "platform/text_format.h"

namespace {

TEST(GlobalMemoryTest, LockYieldsTheBlockAndCountsUntilUnlocked) {
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_NOCOMPACT, 0x10000);
    ASSERT_NE(hBlock, nullptr);
    auto* pBytes = static_cast<BYTE*>(GlobalLock(hBlock));
    ASSERT_NE(pBytes, nullptr);
    pBytes[0xFFFF] = 0x5A;
    EXPECT_EQ(GlobalLockCount(hBlock), 1);
    EXPECT_FALSE(GlobalUnlock(hBlock));
    EXPECT_FALSE(GlobalUnlock(hBlock)) << "an extra unlock finds nothing to unlock";
    EXPECT_EQ(static_cast<BYTE*>(GlobalLock(hBlock))[0xFFFF], 0x5A);
    GlobalUnlock(hBlock);
    EXPECT_EQ(GlobalFree(hBlock), nullptr);
}

TEST(GlobalMemoryTest, SeamMakesAllocationsAndLocksFail) {
    SetGlobalAllocFails(true);
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 16), nullptr);
    SetGlobalAllocFails(false);
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE, 16);
    SetGlobalLockFails(true);
    EXPECT_EQ(GlobalLock(hBlock), nullptr);
    EXPECT_EQ(GlobalLockCount(hBlock), 1) << "a failed lock still needs its unlock";
    GlobalUnlock(hBlock);
    SetGlobalLockFails(false);
    EXPECT_EQ(GlobalLock(nullptr), nullptr);
    GlobalFree(hBlock);
}

TEST(TextFormatTest, FormatsTextsOfAnyLength) {
    EXPECT_EQ(FormatText("read: %lx", 0x7FFFUL), "read: 7fff");
    EXPECT_EQ(FormatText("%s", ""), "");
    const std::string strPath(5000, 'p');
    const std::string strText =
        FormatText("Fehler-> %s kann nicht geöffnet werden!", strPath.c_str());
    EXPECT_EQ(strText.size(),
              strPath.size() + std::string("Fehler->  kann nicht geöffnet werden!").size());
}

}  // namespace
