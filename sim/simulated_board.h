#pragma once

// A programmer board with an EPROM in its socket, simulated at the register level: the
// two 8243 expanders decode the strobe protocol from the port's data and control
// registers, and behind them sit the socket wiring, the board's control nibble and one
// EPROM whose type is chosen independently of the type selected in the program, as on a
// real socket.

#include <span>
#include <string>

#include "platform/port_io.h"
#include "sim/eprom_chip.h"
#include "sim/expander_8243.h"

class CSimulatedBoard : public CPortBackEnd {
  public:
    // An erased chip of wChipType (TYPE_27C64 .. TYPE_27C512) in the socket. The board
    // answers on the logical bases 0x378 and 0x278, as if its cable were on the port the
    // program chose.
    explicit CSimulatedBoard(WORD wChipType);

    void WritePort(DWORD dwPort, BYTE byValue) override;
    BYTE ReadPort(DWORD dwPort) override;

    WORD ChipType() const { return m_chip.Type(); }
    std::span<BYTE> ChipCells() { return m_chip.Cells(); }
    std::span<const BYTE> ChipCells() const { return m_chip.Cells(); }
    // The board's control nibble as the expander drives it now.
    BYTE ControlNibble() const;

    // Faults, for tests and for trying the program.
    void SetNoChip(bool bNoChip);
    void SetNoBoard(bool bNoBoard);
    // Every cell needs this many valid pulses before it takes the data (1 by default).
    void SetPulsesNeeded(unsigned nPulses);
    // Bit byMask of the cell at dwAddress always reads as bHigh.
    void SetStuckBit(DWORD dwAddress, BYTE byMask, bool bHigh);

    // The chip's contents from a file (a missing file means an erased chip) and back to it.
    // On failure the text names the file and the operating system's reason.
    bool LoadChipFile(const std::string& strPath, std::string* pstrError);
    bool SaveChipFile(const std::string& strPath, std::string* pstrError) const;

  private:
    void WriteDataRegister(BYTE byValue);
    bool OnStrobeEdge(CExpander8243& expander, BYTE byEdge);
    // A read instruction latched: the expander drives its port's levels onto the bus.
    void BeginRead(CExpander8243& expander);
    BYTE ControlReading() const;
    DWORD SocketAddress() const;
    BYTE ChipDataNibble(BYTE byPort) const;
    BYTE ExpanderPortLines(const CExpander8243& expander, BYTE byPort) const;
    void UpdateProgramPulse();

    CEpromChip m_chip;
    const bool m_bPgmOnA14;
    CExpander8243 m_expanderA;
    CExpander8243 m_expanderB;
    // The registers as the expanders first see them: PROG high, nothing selected, the bus
    // released.
    BYTE m_byDataRegister = 0x07;
    BYTE m_byControlRegister = 0x04;
    // What the port drives onto the four bus lines at the connector. The lines are open
    // collector: their level is this AND what the expanders drive, a low from either wins.
    BYTE m_byPortBus = 0x0F;
    bool m_bPulseActive = false;
    bool m_bNoChip = false;
    bool m_bNoBoard = false;
};
