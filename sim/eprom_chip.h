#pragma once

// The EPROM in the simulated socket: its cells, the physics of programming them, the
// faults a worn or damaged chip shows, and its contents kept in a file between runs.

#include <span>
#include <string>
#include <vector>

#include "platform/win_types.h"

class CEpromChip {
  public:
    // An erased chip of wType (TYPE_27C64 .. TYPE_27C512).
    explicit CEpromChip(WORD wType);

    WORD Type() const { return m_wType; }
    // On the 27C64 and 27C128 the socket's A14 pin is the chip's active-low PGM input.
    bool HasPgmOnA14() const;

    // The byte the chip puts on its data lines for an address of the socket; address lines
    // above the chip's size are not connected to it, so a small chip repeats.
    BYTE Output(DWORD dwSocketAddress) const;
    // One valid program pulse: a cell can only lose bits (an EPROM is erased by UV light
    // only), and only after it has had the pulses it needs.
    void Program(DWORD dwSocketAddress, BYTE byData);

    std::span<BYTE> Cells() { return m_cells; }
    std::span<const BYTE> Cells() const { return m_cells; }

    void SetPulsesNeeded(unsigned nPulses);
    void SetStuckBit(DWORD dwSocketAddress, BYTE byMask, bool bHigh);

    bool Load(const std::string& strPath, std::string* pstrError);
    bool Save(const std::string& strPath, std::string* pstrError) const;

  private:
    struct StuckBits {
        DWORD dwAddress;
        BYTE byMask;
        BYTE byLevel;
    };

    DWORD CellIndex(DWORD dwSocketAddress) const { return dwSocketAddress & m_dwAddressMask; }

    WORD m_wType;
    DWORD m_dwAddressMask;
    std::vector<BYTE> m_cells;
    unsigned m_nPulsesNeeded = 1;
    // Pulses each cell has had, counted only while more than one is needed.
    std::vector<unsigned> m_pulseCounts;
    std::vector<StuckBits> m_stuckBits;
};
