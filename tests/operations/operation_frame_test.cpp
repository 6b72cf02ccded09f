#include "operations/operation_frame.h"

#include "tests/operations/operation_fixture.h"

namespace {

using Events = std::vector<std::string>;

class OperationFrameTest : public OperationTest {};

TEST_F(OperationFrameTest, EarlyChecksInEachOperationsOrder) {
    enum class Op { Read, Program, Compare, Blank };
    const struct {
        const char* pszCase;
        Op op;
        DWORD dwLastOffset;
        bool bLockFails;
        const char* pszMessage;
    } cases[] = {
        {"read, lock fails", Op::Read, 0x1FFF, true, "read-error:   no buffer-access!"},
        {"program, empty", Op::Program, 0, false, "write-error:   buffer empty!"},
        {"program, empty and lock fails", Op::Program, 0, true, "write-error:   buffer empty!"},
        {"program, lock fails", Op::Program, 0x1FFF, true, "write-error:   no buffer-access!"},
        {"compare, empty", Op::Compare, 0, false, "compare-error:   buffer is empty!"},
        {"compare, empty and lock fails", Op::Compare, 0, true,
         "compare-error:   no buffer-access!"},
        {"blank check, lock fails", Op::Blank, 0, true, "compare-error:   no buffer-access!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        UseChip(TYPE_27C512);
        m_host.Clear();
        g_dwLastOffset = c.dwLastOffset;
        g_dwAddress = 0x1234;
        SetGlobalLockFails(c.bLockFails);
        OperationOutcome outcome{};
        switch (c.op) {
            case Op::Read:
                outcome = ReadEprom(m_host);
                break;
            case Op::Program:
                outcome = ProgramEprom(m_host);
                break;
            case Op::Compare:
                outcome = CompareEprom(m_host, TRUE);
                break;
            case Op::Blank:
                outcome = CompareEprom(m_host, FALSE);
                break;
        }
        SetGlobalLockFails(false);
        EXPECT_EQ(outcome, OperationOutcome::EarlyCheckFailed);
        EXPECT_EQ(m_host.Events(), Events{std::string("box: ") + c.pszMessage})
            << "no beep, no wait cursor, no field";
        EXPECT_EQ(m_pTap->Total(), 6) << "the board receives CTRL_IDLE alone";
        ExpectIdleLast();
        EXPECT_EQ(g_dwAddress, 0x1234u);
        EXPECT_EQ(g_dwLastOffset, c.dwLastOffset);
        EXPECT_EQ(GlobalLockCount(g_hImage), 0);
    }
}

TEST_F(OperationFrameTest, StopRequestLeavesTheLoopAndIdlesTheBoard) {
    FillImage(Pattern(0x8000));
    m_host.m_onProgress = [](DWORD dwAddress) {
        if (dwAddress == 0x1000) {
            RequestOperationStop();
        }
    };
    EXPECT_EQ(ProgramEprom(m_host), OperationOutcome::Stopped);
    EXPECT_EQ(g_dwAddress, 0x1001u) << "the address not yet worked on";
    EXPECT_EQ(m_host.EventsAfterProgress(), (Events{"exchange", "repaint", "wait off"}))
        << "no result text after a stop";
    ExpectIdleLast();
    const auto cells = m_pBoard->ChipCells();
    EXPECT_TRUE(std::equal(cells.begin(), cells.begin() + 0x1001, Pattern(0x1001).begin()));
    EXPECT_EQ(cells[0x1001], 0xFF);
}

}  // namespace
