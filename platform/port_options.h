#pragma once

// The command-line options that choose and shape the port back end, shared by every
// front end: --simulate[=TYPE], --sim-chip=FILE, --trace=FILE, --lpt1=ADDR, --lpt2=ADDR.

#include <string>
#include <string_view>

#include "platform/win_types.h"

struct PortOptions {
    bool bSimulate = false;
    WORD wSimulatedChipType = 3;       // TYPE_27C512
    std::string strSimulatedChipFile;  // empty: an erased chip that is not kept
    std::string strTraceFile;          // empty: no trace
    // Physical bases behind the program's logical LPT1 (0x378) and LPT2 (0x278), for
    // direct I/O; PCI and PCIe parallel cards sit at other addresses.
    WORD wLpt1Physical = 0x378;
    WORD wLpt2Physical = 0x278;

    bool operator==(const PortOptions&) const = default;
};

enum class PortOptionParse {
    NotAPortOption,
    Accepted,
    Invalid,  // strError names the option and what is wrong with its value
};

PortOptionParse ParsePortOption(std::string_view strArgument, PortOptions& options,
                                std::string& strError);

// The checks that need all options at once (--sim-chip asks for --simulate); run after the
// last argument. False with strError set when the combination is not usable.
bool CheckPortOptions(const PortOptions& options, std::string& strError);

// The lines that --help prints for these options.
const char* PortOptionsHelp();

// "27C64", "27C128", "27C256" or "27C512" for TYPE_27C64 .. TYPE_27C512.
const char* ChipTypeName(WORD wType);
// The type a chip name stands for, upper or lower case c; false for any other text.
bool ParseChipType(std::string_view strName, WORD& wType);
