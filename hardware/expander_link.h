#pragma once

// The programmer board's two Intel 8243 expanders, driven through the parallel port.
//
// Data register (base + 0): bit 0 is the PROG strobe shared by both expanders (high at
// rest), bits 1 and 2 the active-low chip selects of expanders A and B. Control register
// (base + 2): bits 0 to 3 are the expanders' shared 4-bit bus P20..P23; the port inverts
// bits 0, 1 and 3 between register and connector, so a nibble N goes out as N XOR 0x0B and
// a reading r means (r XOR 0x0B) AND 0x0F. Writing 4 releases all four bus lines.
//
// Port index 0..3 addresses expander A, 4..7 expander B; index AND 3 picks the 8243 port
// P4..P7. Nothing on the board acknowledges anything: a transaction cannot fail.

#include "platform/win_types.h"

inline constexpr WORD LPT1_BASE = 0x378;
inline constexpr WORD LPT2_BASE = 0x278;

// Base I/O address of the chosen parallel port: LPT1_BASE or LPT2_BASE.
extern WORD g_wPortBase;

void ExpWrite(BYTE byIndex, BYTE byValue);
void ExpOr(BYTE byIndex, BYTE byValue);
void ExpAnd(BYTE byIndex, BYTE byValue);
BYTE ExpRead(BYTE byIndex);

// The global side of the port radio buttons: the next transaction goes to the new port.
// Nothing is sent to either port.
void SelectLpt1();
void SelectLpt2();
