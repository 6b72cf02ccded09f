#include "operations/read_eprom.h"

#include "tests/operations/operation_fixture.h"

namespace {

using Events = std::vector<std::string>;

class ReadEpromTest : public OperationTest {};

TEST_F(ReadEpromTest, BlankChipsOfEveryType) {
    const struct {
        WORD wType;
        DWORD dwLastAddress;
        const char* pszSummary;
    } cases[] = {
        {TYPE_27C64, 0x1FFF, "read eprom to buffer ( 8192 bytes ) - [#E000]"},
        {TYPE_27C128, 0x3FFF, "read eprom to buffer ( 16384 bytes ) - [#C000]"},
        {TYPE_27C256, 0x7FFF, "read eprom to buffer ( 32768 bytes ) - [#8000]"},
        {TYPE_27C512, 0xFFFF, "read eprom to buffer ( 65536 bytes ) - [#0]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszSummary);
        UseChip(c.wType);
        m_host.Clear();
        EXPECT_EQ(ReadEprom(m_host), OperationOutcome::Succeeded);
        EXPECT_EQ(m_host.EventsStartingWith("progress: ").size(), (c.dwLastAddress + 1) / 0x800);
        EXPECT_EQ(
            m_host.EventsAfterProgress(),
            (Events{"status: eprom is blank", std::string("info: ") + c.pszSummary, "exchange",
                    "invalidate: info", "invalidate: status", "repaint", "wait off"}));
        EXPECT_EQ(g_dwLastOffset, c.dwLastAddress);
        EXPECT_EQ(g_dwAddress, c.dwLastAddress + 1);
        ExpectIdleLast();
    }
}

// A 27C64 holding ten 0xFF bytes and one of 198, zeros elsewhere: the byte sum is 0x0ABC,
// shown as the plain 16-bit sum.
TEST_F(ReadEpromTest, SmallChipIntoALargerImage) {
    FillImage(std::vector<BYTE>(0x10000, 0x5A));
    UseChip(TYPE_27C64);
    const auto cells = m_pBoard->ChipCells();
    std::fill(cells.begin(), cells.end(), 0x00);
    std::fill(cells.begin(), cells.begin() + 10, 0xFF);
    cells[0x1FFF] = 198;

    EXPECT_EQ(ReadEprom(m_host), OperationOutcome::Succeeded);

    EXPECT_EQ(
        m_host.Events(),
        (Events{"wait on", "progress: 0", "progress: 800", "progress: 1000", "progress: 1800",
                "status: read: 1fff", "info: read eprom to buffer ( 8192 bytes ) - [#ABC]",
                "exchange", "invalidate: info", "invalidate: status", "repaint", "wait off"}));
    EXPECT_EQ(m_host.ProgressBound(), 0x1FFFu);
    EXPECT_EQ(g_dwLastOffset, 0x1FFFu);
    const std::vector<BYTE> image = ImageBytes(0x10000);
    EXPECT_TRUE(std::equal(cells.begin(), cells.end(), image.begin()));
    EXPECT_EQ(image[0x2000], 0x5A) << "bytes beyond the device keep their old content";
    EXPECT_EQ(image[0xFFFF], 0x5A);
    ExpectIdleLast();
}

TEST_F(ReadEpromTest, OneNonBlankByteIsNotBlank) {
    UseChip(TYPE_27C64);
    m_pBoard->ChipCells()[0x1000] = 0xFE;
    ReadEprom(m_host);
    EXPECT_EQ(m_host.EventsStartingWith("status: "), Events{"status: read: 1fff"});
}

}  // namespace
