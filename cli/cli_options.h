#pragma once

// The command line of morvex-cli: one command (read FILE, write FILE, compare FILE or
// empty), the device type, the port, and the port options every front end shares.

#include <string>
#include <vector>

#include "hardware/socket.h"
#include "platform/port_options.h"
#include "platform/win_types.h"

enum class CliCommand { Read, Write, Compare, Empty, Help, Version };

struct CliOptions {
    CliCommand command = CliCommand::Help;
    std::string strFile;
    WORD wType = TYPE_27C512;  // as the desktop program starts
    bool bLpt2 = false;
    PortOptions portOptions;
};

// False with strError set (what is wrong, naming the argument) for a usage error.
bool ParseCliArguments(const std::vector<std::string>& arguments, CliOptions& options,
                       std::string& strError);

// The whole text of --help.
std::string CliHelpText();
