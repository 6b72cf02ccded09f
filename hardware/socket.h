#pragma once

// The EPROM socket and the board's control lines on the expanders' eight ports.
//
//   index 0  expander A P4  D0..D3        index 4  expander B P4  A8..A11
//   index 1  expander A P5  D4..D7        index 5  expander B P5  A12..A15 (bit 2: A14)
//   index 2  expander A P6  A0..A3        index 6  expander B P6  control nibble
//   index 3  expander A P7  A4..A7        index 7  expander B P7  spare
//
// On the 27C64 and 27C128 socket pin 27 (A14 on the larger chips) is the active-low PGM
// strobe: SetAddress keeps it high for those types and the program pulse takes it low.

#include "platform/win_types.h"

enum : BYTE {
    NIB_DATA_LO = 0,
    NIB_DATA_HI = 1,
    NIB_ADDR_0 = 2,
    NIB_ADDR_1 = 3,
    NIB_ADDR_2 = 4,
    NIB_ADDR_3 = 5,
    NIB_CONTROL = 6,
    NIB_SPARE = 7,
};

// The only whole values the control nibble ever takes.
enum : BYTE {
    CTRL_READ = 0x0,
    CTRL_PROG_SETUP = 0x1,
    CTRL_IDLE = 0x3,
    CTRL_PULSE_END = 0x7,
    CTRL_PULSE = 0xA,
};

enum : WORD {
    TYPE_27C64 = 0,
    TYPE_27C128 = 1,
    TYPE_27C256 = 2,
    TYPE_27C512 = 3,
};

// The selected device type; TYPE_27C512 at every start, never saved.
extern WORD g_wType;
// The current EPROM address; bits 0 to 15 reach the socket.
extern DWORD g_dwAddress;

// The device's last address for a type: 0x1FFF, 0x3FFF, 0x7FFF or 0xFFFF.
DWORD DeviceLastAddress(WORD wType);

void SetAddress();
void WriteDataByte(BYTE byData);
BYTE ReadDataByte();
// Spends 2 * wCount reads of the control register as a time base; no write. The reads are
// counted in 16 bits, so wCount stays within 0 to 32767.
void PulseDelay(WORD wCount);
// One programming attempt of byData at the address last set: data, PGM low (27C64 and
// 27C128), CTRL_PULSE, delay, PGM high, CTRL_PULSE_END, then the verifying read, whose
// result is returned.
BYTE ProgramPulse(BYTE byData);

// The board's power-on state on the chosen port: address 0, all data and address nibbles
// 0, control nibble idle, spare nibble 0.
void PowerOnSequence();
// The control nibble to CTRL_IDLE: the programming voltage off.
void IdleControlLines();

// The global side of the type radio buttons; nothing is sent to the board.
void SelectType(WORD wType);
