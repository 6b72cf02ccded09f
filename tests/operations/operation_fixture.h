#pragma once

// The chip operations on a simulated board, with the image buffer allocated, a recording
// host, and a tap between the operations and the board that keeps the last register
// accesses and counts the program pulses.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

#include "hardware/expander_link.h"
#include "hardware/socket.h"
#include "image/image_buffer.h"
#include "operations/compare_eprom.h"
#include "operations/program_eprom.h"
#include "operations/read_eprom.h"
#include "operations/stop_request.h"
#include "platform/recording_port_io.h"
#include "sim/simulated_board.h"
#include "tests/support/image_contents.h"
#include "tests/support/port_fixture.h"
#include "tests/support/recording_host.h"

class CBoardTap : public CPortBackEnd {
  public:
    explicit CBoardTap(CPortBackEnd& board) : m_board(board) {}

    void WritePort(DWORD dwPort, BYTE byValue) override {
        Keep({'W', dwPort, byValue});
        m_board.WritePort(dwPort, byValue);
        // The pulse begins with the value of ExpWrite(NIB_CONTROL, CTRL_PULSE) on the bus
        // while PROG is low: the first four accesses of that transaction.
        const std::vector<PortAccess> pulse =
            WriteSequence(NIB_CONTROL, OP_WRITE, CTRL_PULSE, g_wPortBase);
        if (m_last.size() >= 4 && std::equal(pulse.begin(), pulse.begin() + 4, m_last.end() - 4)) {
            ++m_nPulses;
        }
    }
    BYTE ReadPort(DWORD dwPort) override {
        const BYTE byValue = m_board.ReadPort(dwPort);
        Keep({'R', dwPort, byValue});
        return byValue;
    }

    std::vector<PortAccess> Last(std::size_t nCount) const {
        const long nKept = static_cast<long>(std::min(nCount, m_last.size()));
        return std::vector<PortAccess>(m_last.end() - nKept, m_last.end());
    }
    long Total() const { return m_nTotal; }
    int Pulses() const { return m_nPulses; }

  private:
    void Keep(const PortAccess& access) {
        ++m_nTotal;
        m_last.push_back(access);
        if (m_last.size() > 8) {
            m_last.pop_front();
        }
    }

    CPortBackEnd& m_board;
    std::deque<PortAccess> m_last;
    long m_nTotal = 0;
    int m_nPulses = 0;
};

class OperationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(AllocateImageBuffer(), nullptr);
        g_dwLastOffset = 0;
        g_dwAddress = 0;
        g_wPortBase = LPT1_BASE;
        UseChip(TYPE_27C512);
    }
    void TearDown() override {
        SetPortBackEnd(nullptr);
        SetGlobalLockFails(false);
        ClearOperationStopRequest();
        EXPECT_EQ(GlobalLockCount(g_hImage), 0) << "the buffer is unlocked exactly once";
        ReleaseImageBuffer();
        g_dwLastOffset = 0;
        g_wType = TYPE_27C512;
    }

    // An erased chip of wType in the socket, and the same type selected.
    void UseChip(WORD wType) {
        m_pBoard = std::make_unique<CSimulatedBoard>(wType);
        m_pTap = std::make_unique<CBoardTap>(*m_pBoard);
        SetPortBackEnd(m_pTap.get());
        g_wType = wType;
    }
    static std::vector<BYTE> Pattern(std::size_t nBytes) {
        std::vector<BYTE> bytes(nBytes);
        for (std::size_t i = 0; i < nBytes; ++i) {
            bytes[i] = static_cast<BYTE>((i * 37) ^ (i >> 8));
        }
        return bytes;
    }

    void ExpectIdleLast() const {
        EXPECT_EQ(m_pTap->Last(6), WriteSequence(NIB_CONTROL, OP_WRITE, CTRL_IDLE))
            << "the last transaction sets CTRL_IDLE";
        EXPECT_EQ(m_pBoard->ControlNibble(), CTRL_IDLE);
    }

    std::unique_ptr<CSimulatedBoard> m_pBoard;
    std::unique_ptr<CBoardTap> m_pTap;
    CRecordingHost m_host;
};
