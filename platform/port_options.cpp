#include "platform/port_options.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/text_format.h"

namespace {

constexpr std::array<const char*, 4> g_aChipTypeNames = {"27C64", "27C128", "27C256", "27C512"};

// The value after "NAME=", or false when strArgument is not that option. A bare NAME
// (without '=') is reported through bBare so the caller can say that a value is missing.
bool TakeOptionValue(std::string_view strArgument, std::string_view strName,
                     std::string_view& strValue, bool& bBare) {
    bBare = strArgument == strName;
    if (bBare) {
        return true;
    }
    if (strArgument.size() <= strName.size() || !strArgument.starts_with(strName) ||
        strArgument[strName.size()] != '=') {
        return false;
    }
    strValue = strArgument.substr(strName.size() + 1);
    return true;
}

// Hexadecimal with 0x or 0X, or decimal; nothing else (no sign, no blanks).
bool ParseAddress(std::string_view strText, WORD& wAddress) {
    unsigned uRadix = 10;
    if (strText.size() > 2 && strText[0] == '0' && (strText[1] == 'x' || strText[1] == 'X')) {
        uRadix = 16;
        strText.remove_prefix(2);
    }
    if (strText.empty()) {
        return false;
    }
    unsigned long ulValue = 0;
    for (const char c : strText) {
        const int nDigit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                           : uRadix == 16 && std::isxdigit(static_cast<unsigned char>(c))
                               ? std::toupper(static_cast<unsigned char>(c)) - 'A' + 10
                               : -1;
        if (nDigit < 0) {
            return false;
        }
        ulValue = ulValue * uRadix + static_cast<unsigned long>(nDigit);
        if (ulValue > 0xFFFF) {
            return false;
        }
    }
    if (ulValue == 0) {
        return false;
    }
    wAddress = static_cast<WORD>(ulValue);
    return true;
}

PortOptionParse Invalid(std::string& strError, std::string strMessage) {
    strError = std::move(strMessage);
    return PortOptionParse::Invalid;
}

PortOptionParse ParseFileOption(std::string_view strArgument, std::string_view strName,
                                std::string& strFile, std::string& strError) {
    std::string_view strValue;
    bool bBare = false;
    if (!TakeOptionValue(strArgument, strName, strValue, bBare)) {
        return PortOptionParse::NotAPortOption;
    }
    if (bBare || strValue.empty()) {
        return Invalid(strError, FormatText("%.*s needs a file name: %.*s=FILE",
                                            static_cast<int>(strName.size()), strName.data(),
                                            static_cast<int>(strName.size()), strName.data()));
    }
    strFile = strValue;
    return PortOptionParse::Accepted;
}

PortOptionParse ParseAddressOption(std::string_view strArgument, std::string_view strName,
                                   WORD& wAddress, std::string& strError) {
    std::string_view strValue;
    bool bBare = false;
    if (!TakeOptionValue(strArgument, strName, strValue, bBare)) {
        return PortOptionParse::NotAPortOption;
    }
    if (bBare || !ParseAddress(strValue, wAddress)) {
        return Invalid(strError,
                       FormatText("%.*s: bad port address \"%.*s\" (hexadecimal with 0x or "
                                  "decimal, 1 to 0xFFFF)",
                                  static_cast<int>(strName.size()), strName.data(),
                                  static_cast<int>(strValue.size()), strValue.data()));
    }
    return PortOptionParse::Accepted;
}

PortOptionParse ParseSimulateOption(std::string_view strArgument, PortOptions& options,
                                    std::string& strError) {
    std::string_view strValue;
    bool bBare = false;
    if (!TakeOptionValue(strArgument, "--simulate", strValue, bBare)) {
        return PortOptionParse::NotAPortOption;
    }
    // A bare --simulate puts the default chip in the socket.
    WORD wType = PortOptions().wSimulatedChipType;
    if (!bBare && !ParseChipType(strValue, wType)) {
        return Invalid(strError, FormatText("--simulate: unknown chip type \"%.*s\" (27C64, "
                                            "27C128, 27C256 or 27C512)",
                                            static_cast<int>(strValue.size()), strValue.data()));
    }
    options.bSimulate = true;
    options.wSimulatedChipType = wType;
    return PortOptionParse::Accepted;
}

}  // namespace

PortOptionParse ParsePortOption(std::string_view strArgument, PortOptions& options,
                                std::string& strError) {
    PortOptionParse result = ParseSimulateOption(strArgument, options, strError);
    if (result == PortOptionParse::NotAPortOption) {
        result = ParseFileOption(strArgument, "--sim-chip", options.strSimulatedChipFile, strError);
    }
    if (result == PortOptionParse::NotAPortOption) {
        result = ParseFileOption(strArgument, "--trace", options.strTraceFile, strError);
    }
    if (result == PortOptionParse::NotAPortOption) {
        result = ParseAddressOption(strArgument, "--lpt1", options.wLpt1Physical, strError);
    }
    if (result == PortOptionParse::NotAPortOption) {
        result = ParseAddressOption(strArgument, "--lpt2", options.wLpt2Physical, strError);
    }
    return result;
}

bool CheckPortOptions(const PortOptions& options, std::string& strError) {
    if (!options.strSimulatedChipFile.empty() && !options.bSimulate) {
        strError = "--sim-chip=" + options.strSimulatedChipFile +
                   " needs --simulate: the chip file belongs to the simulated board";
        return false;
    }
    return true;
}

const char* PortOptionsHelp() {
    return "  --simulate[=TYPE]  run on a simulated programmer board with a TYPE chip in its\n"
           "                     socket: 27C64, 27C128, 27C256 or 27C512 (default 27C512)\n"
           "  --sim-chip=FILE    keep the simulated chip's contents in FILE: read at start (a\n"
           "                     missing file means an erased chip), written back at exit;\n"
           "                     needs --simulate\n"
           "  --trace=FILE       write every port access to FILE, one line each\n"
           "                     (\"W 378 05\": write of 0x05 to 0x378; \"R 37A CE\": read)\n"
           "  --lpt1=ADDR        physical base of the port used as LPT1 (0x378) for direct I/O,\n"
           "                     hexadecimal with 0x or decimal (default 0x378)\n"
           "  --lpt2=ADDR        physical base of the port used as LPT2 (0x278) for direct I/O,\n"
           "                     hexadecimal with 0x or decimal (default 0x278)\n"
           "  Without --simulate the program drives the parallel port's registers directly,\n"
           "  which needs root or the CAP_SYS_RAWIO capability.\n";
}

const char* ChipTypeName(WORD wType) {
    return wType < g_aChipTypeNames.size() ? g_aChipTypeNames[wType] : "unknown";
}

bool ParseChipType(std::string_view strName, WORD& wType) {
    for (WORD wCandidate = 0; wCandidate < g_aChipTypeNames.size(); ++wCandidate) {
        const std::string_view strKnown = g_aChipTypeNames[wCandidate];
        if (strName.size() == strKnown.size() &&
            std::equal(strName.begin(), strName.end(), strKnown.begin(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == b;
            })) {
            wType = wCandidate;
            return true;
        }
    }
    return false;
}
