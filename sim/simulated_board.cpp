#include "sim/simulated_board.h"

#include <array>

#include "hardware/socket.h"

namespace {

// The board reads the wires with constants of its own rather than the link's, so that a
// wrong value in the link shows up as a board that does not answer.

// Both logical bases differ only in bit 8, so one register map serves both.
constexpr DWORD BASE_ALIAS_BIT = 0x100;
constexpr DWORD DATA_REGISTER = 0x378;
constexpr DWORD CONTROL_REGISTER = 0x37A;

// Data register: PROG on bit 0, the active-low selects of expanders A and B on bits 1, 2.
constexpr unsigned PROG_LINE = 0x01;
constexpr unsigned SELECT_A_LINE = 0x02;
constexpr unsigned SELECT_B_LINE = 0x04;
constexpr unsigned STROBE_LINES = PROG_LINE | SELECT_A_LINE | SELECT_B_LINE;

// The port inverts control bits 0, 1 and 3 between register and connector, both ways.
constexpr BYTE BUS_INVERSION = 0x0B;
constexpr BYTE BUS_LINES = 0x0F;
// Of the control register's upper bits a port reads back bits 4 and 5 as written and
// shows bits 6 and 7 high.
constexpr BYTE CONTROL_READBACK = 0x30;
constexpr BYTE CONTROL_UPPER_HIGH = 0xC0;
// A register the board does not use reads as floating lines.
constexpr BYTE NOTHING_ANSWERS = 0xFF;

constexpr BYTE A14_ON_ADDR_3 = 0x04;

// What a write of the data register means to one expander.
enum : BYTE {
    EDGE_NONE,
    EDGE_LATCH,     // PROG fell while the chip was and stayed selected
    EDGE_FINISH,    // PROG rose with the chip selected
    EDGE_DESELECT,  // the select line went high
};

constexpr BYTE EdgeFor(unsigned nOld, unsigned nNew, unsigned nSelectLine) {
    const bool bWasSelected = (nOld & nSelectLine) == 0;
    const bool bSelected = (nNew & nSelectLine) == 0;
    const bool bProgWasHigh = (nOld & PROG_LINE) != 0;
    const bool bProgHigh = (nNew & PROG_LINE) != 0;
    if (bWasSelected && !bSelected) {
        return EDGE_DESELECT;
    }
    // The select line must be low before PROG falls, as the 8243's setup time asks.
    if (bWasSelected && bProgWasHigh && !bProgHigh) {
        return EDGE_LATCH;
    }
    if (bSelected && !bProgWasHigh && bProgHigh) {
        return EDGE_FINISH;
    }
    return EDGE_NONE;
}

// For every old and new state of the three strobe lines, the edge expander A sees in the
// low nibble and the one expander B sees in the high nibble: one lookup per write.
constexpr std::array<BYTE, 64> EDGE_TABLE = [] {
    std::array<BYTE, 64> table{};
    for (unsigned nOld = 0; nOld < 8; ++nOld) {
        for (unsigned nNew = 0; nNew < 8; ++nNew) {
            table[nOld << 3 | nNew] = static_cast<BYTE>(EdgeFor(nOld, nNew, SELECT_A_LINE) |
                                                        EdgeFor(nOld, nNew, SELECT_B_LINE) << 4);
        }
    }
    return table;
}();

// The expander port behind a socket nibble index.
constexpr BYTE PortOf(BYTE byIndex) {
    return byIndex & 3;
}

}  // namespace

CSimulatedBoard::CSimulatedBoard(WORD wChipType)
    : m_chip(wChipType), m_bPgmOnA14(m_chip.HasPgmOnA14()) {}

void CSimulatedBoard::WritePort(DWORD dwPort, BYTE byValue) {
    switch (dwPort | BASE_ALIAS_BIT) {
        case DATA_REGISTER:
            WriteDataRegister(byValue);
            break;
        case CONTROL_REGISTER:
            m_byControlRegister = byValue;
            m_byPortBus = (byValue ^ BUS_INVERSION) & BUS_LINES;
            break;
        default:
            break;
    }
}

BYTE CSimulatedBoard::ReadPort(DWORD dwPort) {
    switch (dwPort | BASE_ALIAS_BIT) {
        case DATA_REGISTER:
            return m_byDataRegister;
        case CONTROL_REGISTER:
            return ControlReading();
        default:
            return NOTHING_ANSWERS;
    }
}

BYTE CSimulatedBoard::ControlReading() const {
    // Without a board nothing pulls the lines: they show what the port drives.
    const BYTE byExpanders =
        m_bNoBoard ? BUS_LINES : m_expanderA.BusDrive() & m_expanderB.BusDrive();
    return static_cast<BYTE>(((m_byPortBus & byExpanders) ^ BUS_INVERSION) |
                             (m_byControlRegister & CONTROL_READBACK) | CONTROL_UPPER_HIGH);
}

inline bool CSimulatedBoard::OnStrobeEdge(CExpander8243& expander, BYTE byEdge) {
    const BYTE byBus = m_byPortBus & m_expanderA.BusDrive() & m_expanderB.BusDrive();
    if (byEdge == EDGE_FINISH) {
        return expander.FinishInstruction(byBus);
    }
    if (byEdge == EDGE_DESELECT) {
        expander.Deselect();
        return false;
    }
    if (!expander.LatchInstruction(byBus)) {
        return false;
    }
    BeginRead(expander);
    return true;
}

void CSimulatedBoard::WriteDataRegister(BYTE byValue) {
    const BYTE byEdges =
        EDGE_TABLE[(m_byDataRegister & STROBE_LINES) << 3 | (byValue & STROBE_LINES)];
    m_byDataRegister = byValue;
    if (byEdges == EDGE_NONE || m_bNoBoard) {
        return;
    }
    const BYTE byEdgeA = byEdges & 0x0F;
    const BYTE byEdgeB = byEdges >> 4;
    if (byEdgeA != EDGE_NONE) {
        OnStrobeEdge(m_expanderA, byEdgeA);
    }
    // Expander B holds the address line A14 (PGM of the small chips) and the control
    // nibble: whatever changes one of its ports may begin or end a program pulse.
    if (byEdgeB != EDGE_NONE && OnStrobeEdge(m_expanderB, byEdgeB)) {
        UpdateProgramPulse();
    }
}

void CSimulatedBoard::BeginRead(CExpander8243& expander) {
    expander.DriveBus(ExpanderPortLines(expander, expander.InstructionPort()));
}

DWORD CSimulatedBoard::SocketAddress() const {
    return m_expanderA.PortLines(PortOf(NIB_ADDR_0), BUS_LINES) |
           m_expanderA.PortLines(PortOf(NIB_ADDR_1), BUS_LINES) << 4 |
           m_expanderB.PortLines(PortOf(NIB_ADDR_2), BUS_LINES) << 8 |
           m_expanderB.PortLines(PortOf(NIB_ADDR_3), BUS_LINES) << 12;
}

BYTE CSimulatedBoard::ControlNibble() const {
    return m_expanderB.PortLines(PortOf(NIB_CONTROL), BUS_LINES);
}

BYTE CSimulatedBoard::ChipDataNibble(BYTE byPort) const {
    // The chip's outputs are enabled only while the control nibble selects reading; an
    // empty socket leaves the data lines to float high.
    if (m_bNoChip || ControlNibble() != CTRL_READ) {
        return BUS_LINES;
    }
    return (m_chip.Output(SocketAddress()) >> (4 * byPort)) & BUS_LINES;
}

BYTE CSimulatedBoard::ExpanderPortLines(const CExpander8243& expander, BYTE byPort) const {
    const bool bDataLines = &expander == &m_expanderA && byPort <= PortOf(NIB_DATA_HI);
    return expander.PortLines(byPort, bDataLines ? ChipDataNibble(byPort) : BUS_LINES);
}

void CSimulatedBoard::UpdateProgramPulse() {
    // The board applies the programming voltage while the control nibble holds the pulse
    // value; a 27C64 or 27C128 programs only while its PGM pin (the socket's A14) is low
    // as well. A cell takes the data once, as the pulse begins.
    const bool bPgmLow =
        (m_expanderB.PortLines(PortOf(NIB_ADDR_3), BUS_LINES) & A14_ON_ADDR_3) == 0;
    const bool bPulse = ControlNibble() == CTRL_PULSE && (bPgmLow || !m_bPgmOnA14);
    if (bPulse && !m_bPulseActive && !m_bNoChip) {
        // The chip's outputs are off during the pulse, so the data lines carry the latches.
        const BYTE byData =
            static_cast<BYTE>(m_expanderA.PortLines(PortOf(NIB_DATA_LO), BUS_LINES) |
                              m_expanderA.PortLines(PortOf(NIB_DATA_HI), BUS_LINES) << 4);
        m_chip.Program(SocketAddress(), byData);
    }
    m_bPulseActive = bPulse;
}

void CSimulatedBoard::SetNoChip(bool bNoChip) {
    m_bNoChip = bNoChip;
}

void CSimulatedBoard::SetNoBoard(bool bNoBoard) {
    m_bNoBoard = bNoBoard;
}

void CSimulatedBoard::SetPulsesNeeded(unsigned nPulses) {
    m_chip.SetPulsesNeeded(nPulses);
}

void CSimulatedBoard::SetStuckBit(DWORD dwAddress, BYTE byMask, bool bHigh) {
    m_chip.SetStuckBit(dwAddress, byMask, bHigh);
}

bool CSimulatedBoard::LoadChipFile(const std::string& strPath, std::string* pstrError) {
    return m_chip.Load(strPath, pstrError);
}

bool CSimulatedBoard::SaveChipFile(const std::string& strPath, std::string* pstrError) const {
    return m_chip.Save(strPath, pstrError);
}
