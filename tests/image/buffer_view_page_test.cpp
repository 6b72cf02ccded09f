#include "image/buffer_view_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/image_buffer.h"
#include "tests/support/image_contents.h"
#include "tests/support/recording_host.h"

namespace {

struct ScrollCase {
    DWORD dwImageSize;
    DWORD dwStart;
    int nCode;
    int nThumb;
    bool bChanges;
    DWORD dwNewStart;
    int nPosition;
};

std::ostream& operator<<(std::ostream& os, const ScrollCase& c) {
    return os << "size " << c.dwImageSize << " start 0x" << std::hex << c.dwStart << std::dec
              << " code " << c.nCode << " thumb " << c.nThumb;
}

class ScrollViewTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollViewTest, MovesToTheExpectedPage) {
    const ScrollCase& c = GetParam();
    const std::optional<ViewScroll> scroll =
        ScrollView(c.nCode, c.nThumb, c.dwStart, c.dwImageSize - 1);
    ASSERT_EQ(scroll.has_value(), c.bChanges);
    if (c.bChanges) {
        EXPECT_EQ(scroll->dwNewStart, c.dwNewStart);
        EXPECT_EQ(scroll->nPosition, c.nPosition);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ScrollViewTest,
    ::testing::Values(
        // An image of 8,192 bytes.
        ScrollCase{8192, 0x0000, SB_LINEDOWN, 0, true, 0x0100, 3},
        ScrollCase{8192, 0x0000, SB_PAGEDOWN, 0, true, 0x0800, 25},
        ScrollCase{8192, 0x1800, SB_PAGEDOWN, 0, true, 0x1900, 78},
        ScrollCase{8192, 0x1F00, SB_LINEDOWN, 0, false, 0, 0},
        ScrollCase{8192, 0x0700, SB_PAGEUP, 0, true, 0x0600, 18},
        ScrollCase{8192, 0x0900, SB_PAGEUP, 0, true, 0x0100, 3},
        ScrollCase{8192, 0x0000, SB_LINEUP, 0, false, 0, 0},
        ScrollCase{8192, 0x0000, SB_PAGEUP, 0, false, 0, 0},
        // A thumb inside the image keeps its page.
        ScrollCase{8192, 0x0000, SB_THUMBPOSITION, 50, true, 0x1000, 50},
        // 300 bytes: one line down to a page of 44 bytes, then no further.
        ScrollCase{300, 0x0000, SB_LINEDOWN, 0, true, 0x0100, 85},
        ScrollCase{300, 0x0100, SB_LINEDOWN, 0, false, 0, 0},
        ScrollCase{300, 0x0000, SB_THUMBPOSITION, 100, true, 0x0100, 85},
        // 257 bytes: the second page is a single byte.
        ScrollCase{257, 0x0000, SB_LINEDOWN, 0, true, 0x0100, 100},
        // 64 KiB: the thumb at both ends, and a page down.
        ScrollCase{65536, 0x4000, SB_THUMBPOSITION, 0, true, 0x0000, 0},
        ScrollCase{65536, 0x0000, SB_THUMBPOSITION, 100, true, 0xFF00, 99},
        ScrollCase{65536, 0x0000, SB_PAGEDOWN, 0, true, 0x0800, 3},
        ScrollCase{65536, 0xFF00, SB_PAGEDOWN, 0, false, 0, 0},
        // Dragging the thumb, top, bottom and end of scroll leave the page alone.
        ScrollCase{65536, 0x0800, SB_THUMBTRACK, 100, false, 0, 0},
        ScrollCase{65536, 0x0800, SB_TOP, 0, false, 0, 0},
        ScrollCase{65536, 0x0800, SB_BOTTOM, 0, false, 0, 0},
        ScrollCase{65536, 0x0800, SB_ENDSCROLL, 0, false, 0, 0},
        // An empty image (last offset 0) handles nothing.
        ScrollCase{1, 0x0000, SB_THUMBPOSITION, 100, false, 0, 0}));

class BufferViewPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(AllocateImageBuffer(), nullptr);
        std::vector<BYTE> bytes(IMAGE_BUFFER_SIZE);
        for (DWORD i = 0; i < IMAGE_BUFFER_SIZE; ++i) {
            bytes[i] = static_cast<BYTE>(i);
        }
        FillImage(bytes);
    }
    void TearDown() override {
        SetGlobalLockFails(false);
        EXPECT_EQ(GlobalLockCount(g_hImage), 0) << "every lock is unlocked exactly once";
        ReleaseImageBuffer();
        g_dwLastOffset = 0;
        g_dwViewStart = 0;
    }

    static std::vector<std::string> Split(const std::string& strText) {
        std::vector<std::string> lines;
        std::size_t nBegin = 0;
        for (std::size_t nEnd; (nEnd = strText.find("\r\n", nBegin)) != std::string::npos;
             nBegin = nEnd + 2) {
            lines.push_back(strText.substr(nBegin, nEnd - nBegin));
        }
        lines.push_back(strText.substr(nBegin));
        return lines;
    }

    CRecordingHost m_host;
    CBufferViewPage m_page{m_host};
};

TEST_F(BufferViewPageTest, FullPageOfThreeColumns) {
    g_dwLastOffset = 299;
    g_dwViewStart = 0;
    m_page.FillPage();
    EXPECT_TRUE(m_host.Events().empty());

    const std::vector<std::string> pos = Split(m_page.m_strPos);
    ASSERT_EQ(pos.size(), 17u) << "every address line ends with CR LF";
    EXPECT_EQ(pos[0], "00000");
    EXPECT_EQ(pos[15], "000F0");
    EXPECT_EQ(pos[16], "");

    const std::vector<std::string> hex = Split(m_page.m_strHex);
    ASSERT_EQ(hex.size(), 17u);
    EXPECT_EQ(hex[0], "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F ");
    EXPECT_EQ(hex[15], "F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF ");
    EXPECT_EQ(m_page.m_strHex.size(), 16u * 50u);

    // Control bytes are blanks; everything from 0x20 up, 0x7F and the upper half
    // included, is the byte itself.
    const std::vector<std::string> ascii = Split(m_page.m_strAscii);
    ASSERT_EQ(ascii.size(), 17u);
    EXPECT_EQ(ascii[0], std::string(16, ' '));
    EXPECT_EQ(ascii[1], std::string(16, ' '));
    EXPECT_EQ(ascii[2], " !\"#$%&'()*+,-./");
    EXPECT_EQ(ascii[7], "pqrstuvwxyz{|}~\x7F");
    std::string strHigh;
    for (int i = 0xF0; i <= 0xFF; ++i) {
        strHigh += static_cast<char>(i);
    }
    EXPECT_EQ(ascii[15], strHigh);
}

TEST_F(BufferViewPageTest, ShortLastPageEndsWithoutLineBreak) {
    g_dwLastOffset = 299;
    g_dwViewStart = 0x100;
    m_page.FillPage();

    EXPECT_EQ(m_page.m_strPos, "00100\r\n00110\r\n00120\r\n");
    const std::vector<std::string> hex = Split(m_page.m_strHex);
    ASSERT_EQ(hex.size(), 3u);
    EXPECT_EQ(hex[2], "20 21 22 23 24 25 26 27 28 29 2A 2B ") << "12 entries, no CR LF";
    EXPECT_EQ(Split(m_page.m_strAscii).back(), " !\"#$%&'()*+");

    g_dwLastOffset = 0x100;
    m_page.FillPage();
    EXPECT_EQ(m_page.m_strPos, "00100\r\n");
    EXPECT_EQ(m_page.m_strHex, "00 ");
    EXPECT_EQ(m_page.m_strAscii, " ");
}

TEST_F(BufferViewPageTest, EmptyImageAndFailedLockLeaveEmptyColumns) {
    g_dwLastOffset = 0xFFFF;
    m_page.FillPage();
    ASSERT_FALSE(m_page.m_strHex.empty());

    SetGlobalLockFails(true);
    m_page.FillPage();
    EXPECT_EQ(m_host.Events(), (std::vector<std::string>{"box: buffer access failed !"}));
    EXPECT_EQ(m_page.m_strPos + m_page.m_strHex + m_page.m_strAscii, "");

    // Emptiness is tested before the pointer.
    m_host.Clear();
    g_dwLastOffset = 0;
    m_page.FillPage();
    EXPECT_EQ(m_host.Events(), (std::vector<std::string>{"box: buffer empty !"}));
    EXPECT_EQ(m_page.m_strPos + m_page.m_strHex + m_page.m_strAscii, "");
}

}  // namespace
