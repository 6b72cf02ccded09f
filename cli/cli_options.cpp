#include "cli/cli_options.h"

#include <string_view>

namespace {

struct CommandName {
    std::string_view strName;
    CliCommand command;
    bool bTakesFile;
};

constexpr CommandName COMMANDS[] = {
    {"read", CliCommand::Read, true},
    {"write", CliCommand::Write, true},
    {"compare", CliCommand::Compare, true},
    {"empty", CliCommand::Empty, false},
};

bool ParseOwnOption(std::string_view strArgument, CliOptions& options, std::string& strError) {
    if (strArgument.starts_with("--type=")) {
        if (!ParseChipType(strArgument.substr(7), options.wType)) {
            strError = "--type: '" + std::string(strArgument.substr(7)) +
                       "' is not one of 27C64, 27C128, 27C256, 27C512";
            return false;
        }
        return true;
    }
    if (strArgument == "--port=lpt1" || strArgument == "--port=lpt2") {
        options.bLpt2 = strArgument.back() == '2';
        return true;
    }
    if (strArgument.starts_with("--port=")) {
        strError = "--port: '" + std::string(strArgument.substr(7)) + "' is not lpt1 or lpt2";
        return false;
    }
    strError = "unknown option '" + std::string(strArgument) + "'";
    return false;
}

}  // namespace

bool ParseCliArguments(const std::vector<std::string>& arguments, CliOptions& options,
                       std::string& strError) {
    std::vector<std::string_view> operands;
    bool bHelp = false;
    bool bVersion = false;
    for (const std::string& strArgument : arguments) {
        if (strArgument == "--help") {
            bHelp = true;
        } else if (strArgument == "--version") {
            bVersion = true;
        } else if (strArgument.starts_with("--")) {
            const PortOptionParse parse =
                ParsePortOption(strArgument, options.portOptions, strError);
            if (parse == PortOptionParse::Invalid) {
                return false;
            }
            if (parse == PortOptionParse::NotAPortOption &&
                !ParseOwnOption(strArgument, options, strError)) {
                return false;
            }
        } else {
            operands.push_back(strArgument);
        }
    }
    if (bHelp || bVersion) {
        options.command = bHelp ? CliCommand::Help : CliCommand::Version;
        return true;
    }
    if (operands.empty()) {
        strError = "no command given (read FILE, write FILE, compare FILE or empty)";
        return false;
    }
    for (const CommandName& name : COMMANDS) {
        if (operands[0] != name.strName) {
            continue;
        }
        const std::size_t nExpected = name.bTakesFile ? 2 : 1;
        if (operands.size() != nExpected) {
            strError = std::string(name.strName) +
                       (name.bTakesFile ? " takes one FILE" : " takes no FILE");
            return false;
        }
        options.command = name.command;
        options.strFile = name.bTakesFile ? std::string(operands[1]) : std::string();
        return CheckPortOptions(options.portOptions, strError);
    }
    strError = "unknown command '" + std::string(operands[0]) + "'";
    return false;
}

std::string CliHelpText() {
    return std::string(
               "Usage: morvex-cli [options] read FILE     read the chip into the image, then save "
               "the image to FILE\n"
               "       morvex-cli [options] write FILE    load FILE into the image, then program "
               "the chip\n"
               "       morvex-cli [options] compare FILE  load FILE, then compare the chip with "
               "it\n"
               "       morvex-cli [options] empty         blank check the chip\n"
               "\n"
               "Options:\n"
               "  --type=TYPE        the device type: 27C64, 27C128, 27C256 or 27C512 (default "
               "27C512)\n"
               "  --port=PORT        the port the board hangs on: lpt1 (0x378, the default) or "
               "lpt2 (0x278)\n") +
           PortOptionsHelp() +
           "  --help             show this text and exit\n"
           "  --version          show the version and exit\n"
           "\n"
           "The board gets its power-on sequence before the operation and its control lines go\n"
           "idle at the end. The texts of the status and info fields go to standard output, one\n"
           "line each; messages go to standard error, with the terminal bell for a chip failure\n"
           "and a progress bar while the chip is worked on, when standard error is a terminal.\n"
           "\n"
           "Exit status: 0 the operation succeeded; 1 the chip failed (a difference, not empty,\n"
           "a byte that would not program); 2 usage, file, buffer and port errors and refused\n"
           "operations; 130 or 143 stopped by SIGINT or SIGTERM (the control lines are put idle\n"
           "and the simulated chip is kept first).\n";
}
