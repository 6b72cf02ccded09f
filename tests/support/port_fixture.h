#pragma once

// The register accesses an expander transaction must make, and a recorder installed as the
// port back end for the length of a test, with the hardware globals at their start values.

#include <gtest/gtest.h>

#include "hardware/expander_link.h"
#include "hardware/socket.h"
#include "platform/recording_port_io.h"

// The 8243 opcodes of the write-type transactions.
constexpr BYTE OP_WRITE = 0x4;
constexpr BYTE OP_OR = 0x8;
constexpr BYTE OP_AND = 0xC;

// The register accesses of the transaction that applies byOpcode with byValue to expander
// port byIndex on the port at wBase: select, instruction, PROG low, value, PROG high,
// deselect; the port inverts bits 0, 1 and 3 of the control register.
inline std::vector<PortAccess> WriteSequence(BYTE byIndex, BYTE byOpcode, BYTE byValue,
                                             WORD wBase = LPT1_BASE) {
    const BYTE bySelect = byIndex < 4 ? 5 : 3;
    const BYTE byStrobe = byIndex < 4 ? 4 : 2;
    const DWORD dwControl = wBase + 2u;
    return {{'W', wBase, bySelect},
            {'W', dwControl, static_cast<BYTE>((byOpcode | (byIndex & 3)) ^ 0x0B)},
            {'W', wBase, byStrobe},
            {'W', dwControl, static_cast<BYTE>(byValue ^ 0x0B)},
            {'W', wBase, bySelect},
            {'W', wBase, 7}};
}

class RecordedPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetPortBackEnd(&m_port);
        g_wPortBase = LPT1_BASE;
        g_wType = TYPE_27C512;
        g_dwAddress = 0;
    }
    void TearDown() override { SetPortBackEnd(nullptr); }

    CRecordingPortBackEnd m_port;
};
