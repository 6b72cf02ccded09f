#pragma once

// One Intel 8243 input/output expander as the board wires it: chip select and PROG come
// from the port's data register, the 4-bit bus P20..P23 is the port's control lines.
//
// The 8243 latches an instruction (opcode in bus bits 3..2, port in bits 1..0) when PROG
// falls while it is selected. A write, OR or AND takes its value from the bus when PROG
// rises again and leaves the port in output mode, driving its latch. A read switches the
// port to input mode and drives the port's line levels onto the bus for as long as PROG
// stays low. Deselecting the chip in the middle of a strobe drops the instruction.

#include "platform/win_types.h"

class CExpander8243 {
  public:
    // What a change of the select and PROG lines made the expander do.
    enum EStrobeEffect : BYTE {
        STROBE_NONE,
        STROBE_READ_BEGIN,    // a read latched: InstructionPort() is in input mode now
        STROBE_READ_END,      // the bus is let go
        STROBE_PORT_WRITTEN,  // InstructionPort()'s latch took a value and drives it
    };

    // The select line (true: selected) and PROG as they are now, and the bus levels.
    EStrobeEffect OnStrobeLines(bool bSelected, bool bProgHigh, BYTE byBus);

    // The port named by the last latched instruction, 0 (P4) to 3 (P7).
    BYTE InstructionPort() const { return static_cast<BYTE>(m_byInstruction & 3); }

    // The levels of port nPort's four lines: its latch where it drives them (output mode),
    // wired-AND with what the outside pulls them to (0xF: nothing pulls them low).
    BYTE PortLines(BYTE byPort, BYTE byOutside) const {
        return static_cast<BYTE>(m_abyDrive[byPort] & byOutside);
    }

    // During a read the board gives the levels the expander drives onto the bus.
    void DriveBus(BYTE byLevels) { m_byBusDrive = byLevels; }
    // What the expander pulls the bus to: 0xF when it does not drive it.
    BYTE BusDrive() const { return m_byBusDrive; }

  private:
    static constexpr BYTE NO_INSTRUCTION = 0xFF;
    static constexpr BYTE LINES_RELEASED = 0x0F;

    void LetGoOfBus() { m_byBusDrive = LINES_RELEASED; }

    bool m_bSelected = false;
    bool m_bProgHigh = true;
    BYTE m_byInstruction = NO_INSTRUCTION;
    BYTE m_byBusDrive = LINES_RELEASED;
    BYTE m_abyLatch[4] = {0, 0, 0, 0};
    // Per port: the latch in output mode, 0xF (released) in input mode, as after reset.
    BYTE m_abyDrive[4] = {LINES_RELEASED, LINES_RELEASED, LINES_RELEASED, LINES_RELEASED};
};
