#include "operations/program_eprom.h"

#include "tests/operations/operation_fixture.h"

namespace {

using Events = std::vector<std::string>;

class ProgramEpromTest : public OperationTest {};

TEST_F(ProgramEpromTest, EveryByteVerifiesAtItsFirstPulse) {
    UseChip(TYPE_27C256);
    const std::vector<BYTE> image = Pattern(0x8000);
    FillImage(image);

    EXPECT_EQ(ProgramEprom(m_host), OperationOutcome::Succeeded);

    const auto cells = m_pBoard->ChipCells();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), cells.begin()));
    EXPECT_EQ(m_pTap->Pulses(), 0x8000) << "one pulse per address, 0xFF bytes included";
    EXPECT_EQ(m_host.EventsStartingWith("progress: ").size(), 16u);
    EXPECT_EQ(m_host.EventsAfterProgress(), (Events{"status: write: 7fff", "exchange",
                                                    "invalidate: status", "repaint", "wait off"}));
    EXPECT_EQ(g_dwAddress, 0x8000u);
    EXPECT_EQ(ImageBytes(0x8000), image) << "the image is only read";
    ExpectIdleLast();
}

// Bytes at every 10th address need a second pulse; the chip already holds the others. The
// failure budget is 24 per run, whatever the address.
TEST_F(ProgramEpromTest, TwentyFourFailuresCompleteTheTwentyFifthStops) {
    for (const int nFailing : {24, 26}) {
        SCOPED_TRACE(nFailing);
        UseChip(TYPE_27C512);
        m_host.Clear();
        FillImage(std::vector<BYTE>(0x200, 0x00));
        m_pBoard->SetPulsesNeeded(2);
        const auto cells = m_pBoard->ChipCells();
        std::fill(cells.begin(), cells.begin() + 0x200, 0x00);
        for (int i = 0; i < nFailing; ++i) {
            cells[i * 10] = 0xFF;
        }

        const OperationOutcome outcome = ProgramEprom(m_host);

        if (nFailing == 24) {
            EXPECT_EQ(outcome, OperationOutcome::Succeeded);
            EXPECT_EQ(m_host.EventsAfterProgress().front(), "status: write: 1ff");
            EXPECT_EQ(cells[230], 0x00);
        } else {
            EXPECT_EQ(outcome, OperationOutcome::ChipFailed);
            EXPECT_EQ(g_dwAddress, 240u);
            EXPECT_EQ(m_host.EventsAfterProgress(),
                      (Events{"beep", "box: write-error at adr:f0\nread: ff\tbuffer: 0",
                              "status: error writing", "exchange", "invalidate: status", "repaint",
                              "wait off"}));
            EXPECT_EQ(cells[250], 0xFF) << "nothing above the stop is touched";
        }
        ExpectIdleLast();
    }
}

TEST_F(ProgramEpromTest, AByteThatNeverVerifiesTakesTheWholeBudget) {
    std::vector<BYTE> image(0x200, 0x3C);
    FillImage(image);
    m_pBoard->SetStuckBit(0x1A2, 0xFF, true);
    BYTE byNibbleDuringBox = 0xFF;
    m_host.m_onMessageBox = [&] { byNibbleDuringBox = m_pBoard->ControlNibble(); };

    EXPECT_EQ(ProgramEprom(m_host), OperationOutcome::ChipFailed);

    EXPECT_EQ(m_pTap->Pulses(), 0x1A2 + 25);
    EXPECT_EQ(m_host.EventsStartingWith("box: "),
              Events{"box: write-error at adr:1a2\nread: ff\tbuffer: 3c"});
    EXPECT_EQ(byNibbleDuringBox, CTRL_READ) << "the box opens before the release";
    EXPECT_EQ(g_dwAddress, 0x1A2u);
    ExpectIdleLast();
}

}  // namespace
