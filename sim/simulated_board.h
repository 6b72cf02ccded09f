#pragma once

// A programmer board with an EPROM in its socket, simulated at the register level: the
// two 8243 expanders decode the strobe protocol from the port's data and control
// registers, and behind them sit the socket wiring, the board's control nibble and one
// EPROM whose type is chosen independently of the type selected in the program, as on a
// real socket.

#include <span>
#include <string>
#include <vector>

#include "platform/port_io.h"

class CSimulatedBoard : public CPortBackEnd {
public:
    // An erased chip of wChipType (TYPE_27C64 .. TYPE_27C512) in the socket. The board
    // answers on the logical bases 0x378 and 0x278, as if its cable were on the port the
    // program chose.
    explicit CSimulatedBoard(WORD wChipType);

    void WritePort(DWORD dwPort, BYTE byValue) override;
    BYTE ReadPort(DWORD dwPort) override;

    WORD ChipType() const { return m_wChipType; }
    std::span<BYTE> ChipCells() { return m_cells; }
    std::span<const BYTE> ChipCells() const { return m_cells; }
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
    WORD m_wChipType;
    std::vector<BYTE> m_cells;
};
