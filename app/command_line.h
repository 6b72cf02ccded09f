#pragma once

// The command line of the desktop program: the port options every front end shares,
// --help, --version, and an optional image file to open at start.

#include <optional>
#include <string>
#include <vector>

#include "platform/port_options.h"

struct CommandLine {
    enum Action { Run, ShowHelp, ShowVersion, Error } action = Run;
    PortOptions portOptions;
    std::optional<std::string> imageFile;
    std::string strError;
};

// arguments without the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints.
std::string CommandLineHelp();
