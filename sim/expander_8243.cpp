#include "sim/expander_8243.h"

namespace {

constexpr BYTE OPCODE_MASK = 0xC;
constexpr BYTE OPCODE_READ = 0x0;
constexpr BYTE OPCODE_WRITE = 0x4;
constexpr BYTE OPCODE_OR = 0x8;

}  // namespace

CExpander8243::EStrobeEffect CExpander8243::OnStrobeLines(bool bSelected, bool bProgHigh,
                                                          BYTE byBus) {
    const bool bWasSelected = m_bSelected;
    const bool bProgFell = m_bProgHigh && !bProgHigh;
    const bool bProgRose = !m_bProgHigh && bProgHigh;
    m_bSelected = bSelected;
    m_bProgHigh = bProgHigh;

    if (m_byInstruction == NO_INSTRUCTION) {
        // The select line must be low before PROG falls, as the 8243's setup time asks.
        if (!bProgFell || !bSelected || !bWasSelected) {
            return STROBE_NONE;
        }
        m_byInstruction = byBus;
        if ((m_byInstruction & OPCODE_MASK) != OPCODE_READ) {
            return STROBE_NONE;
        }
        m_abyDrive[InstructionPort()] = LINES_RELEASED;
        return STROBE_READ_BEGIN;
    }

    if (!bSelected || bProgRose) {
        const BYTE byOpcode = m_byInstruction & OPCODE_MASK;
        const BYTE byPort = InstructionPort();
        m_byInstruction = NO_INSTRUCTION;
        if (byOpcode == OPCODE_READ) {
            LetGoOfBus();
            return STROBE_READ_END;
        }
        // A chip deselected before PROG rose never sees the value.
        if (!bSelected) {
            return STROBE_NONE;
        }
        BYTE& byLatch = m_abyLatch[byPort];
        if (byOpcode == OPCODE_WRITE) {
            byLatch = byBus;
        } else if (byOpcode == OPCODE_OR) {
            byLatch |= byBus;
        } else {
            byLatch &= byBus;
        }
        m_abyDrive[byPort] = byLatch;
        return STROBE_PORT_WRITTEN;
    }
    return STROBE_NONE;
}
