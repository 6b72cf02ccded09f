#include "image/image_buffer.h"

#include <gtest/gtest.h>

namespace {

class ImageBufferTest : public ::testing::Test {
  protected:
    void TearDown() override {
        SetGlobalAllocFails(false);
        SetGlobalLockFails(false);
        if (g_hImage != nullptr) {
            ReleaseImageBuffer();
        }
    }
};

TEST_F(ImageBufferTest, AllocationSucceedsUnlockedAndUsable) {
    EXPECT_EQ(AllocateImageBuffer(), nullptr);
    ASSERT_NE(g_hImage, nullptr);
    EXPECT_EQ(GlobalLockCount(g_hImage), 0);
    BYTE* pImage = LockImage();
    ASSERT_NE(pImage, nullptr);
    EXPECT_EQ(pImage, g_pImage);
    pImage[0] = 1;
    pImage[IMAGE_BUFFER_SIZE - 1] = 2;
    UnlockImage();
    EXPECT_EQ(GlobalLockCount(g_hImage), 0);
}

TEST_F(ImageBufferTest, FailedAllocationAndFailedTrialLockGiveTheirMessages) {
    SetGlobalAllocFails(true);
    EXPECT_STREQ(AllocateImageBuffer(),
                 "System konnte 64K-Buffer nicht bereitstellen..\n\nBitte Programm schließen !");
    EXPECT_EQ(g_hImage, nullptr);
    EXPECT_EQ(LockImage(), nullptr) << "every later user finds no block";
    UnlockImage();
    SetGlobalAllocFails(false);

    SetGlobalLockFails(true);
    EXPECT_STREQ(AllocateImageBuffer(),
                 "System konnte nicht auf 64K-Buffer zugreifen..\n\nBitte Programm schließen !");
    EXPECT_NE(g_hImage, nullptr);
    EXPECT_EQ(GlobalLockCount(g_hImage), 0);
}

TEST_F(ImageBufferTest, EmptinessIsALastOffsetOfZero) {
    g_dwLastOffset = 0;
    EXPECT_TRUE(IsImageEmpty());
    g_dwLastOffset = 1;
    EXPECT_FALSE(IsImageEmpty());
    g_dwLastOffset = 0;
}

}  // namespace
