#include "hardware/socket.h"

#include "hardware/expander_link.h"
#include "platform/port_io.h"

WORD g_wType = TYPE_27C512;
DWORD g_dwAddress = 0;

namespace {

// Address bit 14 sits in bit 6 of the high address byte; on the A14 nibble it is bit 2.
constexpr BYTE A14_IN_HIGH_BYTE = 0x40;
constexpr BYTE A14_IN_NIBBLE = 0x04;

bool HasPgmOnA14(WORD wType) {
    return wType < TYPE_27C256;
}

}  // namespace

DWORD DeviceLastAddress(WORD wType) {
    switch (wType) {
        case TYPE_27C64:
            return 0x1FFF;
        case TYPE_27C128:
            return 0x3FFF;
        case TYPE_27C256:
            return 0x7FFF;
        default:
            return 0xFFFF;
    }
}

void SetAddress() {
    const BYTE byLow = static_cast<BYTE>(g_dwAddress & 0xFF);
    BYTE byHigh = static_cast<BYTE>((g_dwAddress >> 8) & 0xFF);
    if (HasPgmOnA14(g_wType)) {
        // All addresses of the small types lie below 0x4000, so this holds PGM high.
        byHigh ^= A14_IN_HIGH_BYTE;
    }
    ExpWrite(NIB_ADDR_0, byLow & 0x0F);
    ExpWrite(NIB_ADDR_1, byLow >> 4);
    ExpWrite(NIB_ADDR_2, byHigh & 0x0F);
    ExpWrite(NIB_ADDR_3, byHigh >> 4);
}

void WriteDataByte(BYTE byData) {
    ExpWrite(NIB_DATA_LO, byData & 0x0F);
    ExpWrite(NIB_DATA_HI, byData >> 4);
}

BYTE ReadDataByte() {
    ExpWrite(NIB_CONTROL, CTRL_READ);
    const BYTE byHigh = ExpRead(NIB_DATA_HI);
    const BYTE byLow = ExpRead(NIB_DATA_LO);
    return static_cast<BYTE>(byHigh * 16 + byLow);
}

void PulseDelay(WORD wCount) {
    const DWORD dwControl = static_cast<DWORD>(g_wPortBase) + 2;
    for (WORD wRead = 0; wRead < 2 * wCount; ++wRead) {
        DlPortReadPortUchar(dwControl);
    }
}

BYTE ProgramPulse(BYTE byData) {
    const bool bPgm = HasPgmOnA14(g_wType);
    WriteDataByte(byData);
    if (bPgm) {
        ExpAnd(NIB_ADDR_3, static_cast<BYTE>(0x0F & ~A14_IN_NIBBLE));
    }
    ExpWrite(NIB_CONTROL, CTRL_PULSE);
    PulseDelay(1);
    if (bPgm) {
        ExpOr(NIB_ADDR_3, A14_IN_NIBBLE);
    }
    ExpWrite(NIB_CONTROL, CTRL_PULSE_END);
    return ReadDataByte();
}

void PowerOnSequence() {
    g_dwAddress = 0;
    for (BYTE byIndex = NIB_DATA_LO; byIndex <= NIB_ADDR_3; ++byIndex) {
        ExpWrite(byIndex, 0);
    }
    ExpWrite(NIB_CONTROL, CTRL_IDLE);
    ExpWrite(NIB_SPARE, 0);
}

void IdleControlLines() {
    ExpWrite(NIB_CONTROL, CTRL_IDLE);
}

void SelectType(WORD wType) {
    g_wType = wType;
}
