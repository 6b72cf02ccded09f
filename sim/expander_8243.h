#pragma once

// One Intel 8243 input/output expander as the board wires it: chip select and PROG come
// from the port's data register, the 4-bit bus P20..P23 is the port's control lines.
//
// The 8243 latches an instruction (opcode in bus bits 3..2, port in bits 1..0) when PROG
// falls while it is selected. A write, OR or AND takes its value from the bus when PROG
// rises again and leaves the port in output mode, driving its latch. A read switches the
// port to input mode and drives the port's line levels onto the bus for as long as PROG
// stays low. Deselecting the chip in the middle of a strobe drops the instruction.
//
// The board decides which strobe edge the expander sees; the expander holds no line state
// of its own. Everything here is inline: it runs on nearly every simulated port access.

#include "platform/win_types.h"

class CExpander8243 {
  public:
    static constexpr BYTE LINES_RELEASED = 0x0F;

    // PROG fell while the chip was and stayed selected: the instruction on the bus is
    // latched. True for a read, whose port is in input mode now: the board then gives the
    // levels to drive onto the bus with DriveBus.
    bool LatchInstruction(BYTE byBus) {
        m_byInstruction = byBus;
        if ((byBus & OPCODE_MASK) != OPCODE_READ) {
            return false;
        }
        m_abyDrive[InstructionPort()] = LINES_RELEASED;
        return true;
    }

    // PROG rose with the chip selected: a write, OR or AND takes the bus value and the
    // port drives its latch (true); a read lets go of the bus. Without a latched
    // instruction the edge means nothing.
    bool FinishInstruction(BYTE byBus) {
        const BYTE byInstruction = m_byInstruction;
        m_byInstruction = NO_INSTRUCTION;
        m_byBusDrive = LINES_RELEASED;
        const BYTE byPort = byInstruction & 3;
        BYTE& byLatch = m_abyLatch[byPort];
        switch (byInstruction & (OPCODE_MASK | NO_INSTRUCTION)) {
            case OPCODE_WRITE:
                byLatch = byBus;
                break;
            case OPCODE_OR:
                byLatch |= byBus;
                break;
            case OPCODE_AND:
                byLatch &= byBus;
                break;
            default:
                return false;
        }
        m_abyDrive[byPort] = byLatch;
        return true;
    }

    // The select line went high: the chip forgets a half-done instruction and lets go of
    // the bus; a value it has not taken yet is never taken.
    void Deselect() {
        m_byInstruction = NO_INSTRUCTION;
        m_byBusDrive = LINES_RELEASED;
    }

    // The port named by the last latched instruction, 0 (P4) to 3 (P7).
    BYTE InstructionPort() const { return m_byInstruction & 3; }

    // The levels of a port's four lines: its latch where it drives them (output mode),
    // wired-AND with what the outside pulls them to (0xF: nothing pulls them low).
    BYTE PortLines(BYTE byPort, BYTE byOutside) const { return m_abyDrive[byPort] & byOutside; }

    void DriveBus(BYTE byLevels) { m_byBusDrive = byLevels; }
    // What the expander pulls the bus to: 0xF when it does not drive it.
    BYTE BusDrive() const { return m_byBusDrive; }

  private:
    static constexpr BYTE OPCODE_MASK = 0xC;
    static constexpr BYTE OPCODE_READ = 0x0;
    static constexpr BYTE OPCODE_WRITE = 0x4;
    static constexpr BYTE OPCODE_OR = 0x8;
    static constexpr BYTE OPCODE_AND = 0xC;
    // Outside the four bus bits, so that no opcode matches it.
    static constexpr BYTE NO_INSTRUCTION = 0x10;

    BYTE m_byInstruction = NO_INSTRUCTION;
    BYTE m_byBusDrive = LINES_RELEASED;
    BYTE m_abyLatch[4] = {0, 0, 0, 0};
    // Per port: the latch in output mode, released lines in input mode, as after reset.
    BYTE m_abyDrive[4] = {LINES_RELEASED, LINES_RELEASED, LINES_RELEASED, LINES_RELEASED};
};
