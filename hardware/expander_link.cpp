#include "hardware/expander_link.h"

#include "platform/port_io.h"

WORD g_wPortBase = LPT1_BASE;

namespace {

// Data register values: PROG high with no chip selected is the rest state.
constexpr BYTE DATA_REST = 7;
constexpr BYTE SELECT_A = 5;
constexpr BYTE STROBE_A = 4;
constexpr BYTE SELECT_B = 3;
constexpr BYTE STROBE_B = 2;

// The port inverts control bits 0, 1 and 3 on the way to the connector.
constexpr BYTE BUS_INVERSION = 0x0B;
// Every bus line high: the lines are released for the expander to drive.
constexpr BYTE BUS_RELEASED = 4;

constexpr BYTE OPCODE_READ = 0x0;
constexpr BYTE OPCODE_WRITE = 0x4;
constexpr BYTE OPCODE_OR = 0x8;
constexpr BYTE OPCODE_AND = 0xC;

struct ExpanderLines {
    BYTE bySelect;
    BYTE byStrobe;
};

ExpanderLines LinesFor(BYTE byIndex) {
    return byIndex < 4 ? ExpanderLines{SELECT_A, STROBE_A} : ExpanderLines{SELECT_B, STROBE_B};
}

DWORD DataRegister() {
    return g_wPortBase;
}
DWORD ControlRegister() {
    return static_cast<DWORD>(g_wPortBase) + 2;
}

void WriteTransaction(BYTE byIndex, BYTE byOpcode, BYTE byValue) {
    const ExpanderLines lines = LinesFor(byIndex);
    const BYTE byInstruction = static_cast<BYTE>(byOpcode | (byIndex & 3));
    DlPortWritePortUchar(DataRegister(), lines.bySelect);
    DlPortWritePortUchar(ControlRegister(), byInstruction ^ BUS_INVERSION);
    // The expander latches the instruction on the falling PROG edge...
    DlPortWritePortUchar(DataRegister(), lines.byStrobe);
    DlPortWritePortUchar(ControlRegister(), byValue ^ BUS_INVERSION);
    // ...and takes the value on the rising edge.
    DlPortWritePortUchar(DataRegister(), lines.bySelect);
    DlPortWritePortUchar(DataRegister(), DATA_REST);
}

}  // namespace

void ExpWrite(BYTE byIndex, BYTE byValue) {
    WriteTransaction(byIndex, OPCODE_WRITE, byValue);
}

void ExpOr(BYTE byIndex, BYTE byValue) {
    WriteTransaction(byIndex, OPCODE_OR, byValue);
}

void ExpAnd(BYTE byIndex, BYTE byValue) {
    WriteTransaction(byIndex, OPCODE_AND, byValue);
}

BYTE ExpRead(BYTE byIndex) {
    const ExpanderLines lines = LinesFor(byIndex);
    const BYTE byInstruction = static_cast<BYTE>(OPCODE_READ | (byIndex & 3));
    DlPortWritePortUchar(DataRegister(), lines.bySelect);
    DlPortWritePortUchar(ControlRegister(), byInstruction ^ BUS_INVERSION);
    DlPortWritePortUchar(DataRegister(), lines.byStrobe);
    // Release the bus only after PROG has fallen, so that the expander and the port never
    // drive the lines against each other.
    DlPortWritePortUchar(ControlRegister(), BUS_RELEASED);
    const BYTE byReading = DlPortReadPortUchar(ControlRegister());
    DlPortWritePortUchar(DataRegister(), lines.bySelect);
    DlPortWritePortUchar(DataRegister(), DATA_REST);
    return static_cast<BYTE>((byReading ^ BUS_INVERSION) & 0x0F);
}

void SelectLpt1() {
    g_wPortBase = LPT1_BASE;
}

void SelectLpt2() {
    g_wPortBase = LPT2_BASE;
}
