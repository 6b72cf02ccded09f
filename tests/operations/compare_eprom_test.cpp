#include "operations/compare_eprom.h"

#include "platform/text_format.h"
#include "tests/operations/operation_fixture.h"

namespace {

using Events = std::vector<std::string>;

class CompareEpromTest : public OperationTest {};

TEST_F(CompareEpromTest, CompareCoversTheImageNotTheDevice) {
    const std::vector<BYTE> image = Pattern(0x2000);
    FillImage(image);
    std::copy(image.begin(), image.end(), m_pBoard->ChipCells().begin());

    EXPECT_EQ(CompareEprom(m_host, TRUE), OperationOutcome::Succeeded);
    EXPECT_EQ(g_dwAddress, 0x2000u) << "27C512 selected, 8 KiB image: 8 KiB read";
    EXPECT_EQ(m_host.EventsAfterProgress(), (Events{"status: compare: 1fff", "exchange",
                                                    "invalidate: status", "repaint", "wait off"}));
    ExpectIdleLast();

    // A 27C64 selected with a 64 KiB image: all of the image is read.
    g_wType = TYPE_27C64;
    FillImage(std::vector<BYTE>(0x10000, 0xFF));
    m_host.Clear();
    std::fill(m_pBoard->ChipCells().begin(), m_pBoard->ChipCells().end(), 0xFF);
    EXPECT_EQ(CompareEprom(m_host, TRUE), OperationOutcome::Succeeded);
    EXPECT_EQ(g_dwAddress, 0x10000u);
    EXPECT_EQ(m_host.EventsAfterProgress().front(), "status: compare: ffff");
}

TEST_F(CompareEpromTest, CompareStopsAtTheFirstDifference) {
    const std::vector<BYTE> image = Pattern(0x1000);
    FillImage(image);
    const auto cells = m_pBoard->ChipCells();
    std::copy(image.begin(), image.end(), cells.begin());
    cells[0x9AB] = 0x00;
    cells[0xA00] = 0x00;

    EXPECT_EQ(CompareEprom(m_host, TRUE), OperationOutcome::ChipFailed);
    EXPECT_EQ(g_dwAddress, 0x9ABu);
    EXPECT_EQ(
        m_host.EventsAfterProgress(),
        (Events{"beep",
                "box: error at adr:9ab\nread: 0\tdifferent to: " + FormatText("%x", image[0x9AB]),
                "status: compare-error", "exchange", "invalidate: status", "repaint", "wait off"}));
    ExpectIdleLast();
}

TEST_F(CompareEpromTest, BlankCheckCoversTheDeviceWithAnyImage) {
    EXPECT_EQ(CompareEprom(m_host, FALSE), OperationOutcome::Succeeded) << "empty image";
    EXPECT_EQ(m_host.EventsStartingWith("progress: ").size(), 32u);
    EXPECT_EQ(m_host.EventsStartingWith("progress: ").back(), "progress: f800");
    EXPECT_EQ(m_host.EventsAfterProgress(), (Events{"status: is empty", "exchange",
                                                    "invalidate: status", "repaint", "wait off"}));
    EXPECT_EQ(g_dwAddress, 0x10000u);
    ExpectIdleLast();
}

TEST_F(CompareEpromTest, BlankCheckFindsTheLastByteOfA27C64) {
    UseChip(TYPE_27C64);
    FillImage(std::vector<BYTE>(0x10000, 0x00));
    m_pBoard->ChipCells()[0x1FFF] = 0x00;

    EXPECT_EQ(CompareEprom(m_host, FALSE), OperationOutcome::ChipFailed);
    EXPECT_EQ(g_dwAddress, 0x1FFFu);
    EXPECT_EQ(
        m_host.EventsAfterProgress(),
        (Events{"beep", "box: error at adr:1fff\nread: 0\tdifferent to: ff", "status: not empty",
                "exchange", "invalidate: status", "repaint", "wait off"}));
    ExpectIdleLast();
}

}  // namespace
