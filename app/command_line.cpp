#include "app/command_line.h"

#include "app/res/version.h"

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine commandLine;
    bool bOptionsEnded = false;
    for (const std::string& strArgument : arguments) {
        const bool bOption = !bOptionsEnded && strArgument.starts_with("-") && strArgument != "-";
        if (bOption && strArgument == "--") {
            bOptionsEnded = true;
            continue;
        }
        if (bOption && strArgument == "--help") {
            commandLine.action = CommandLine::ShowHelp;
            return commandLine;
        }
        if (bOption && strArgument == "--version") {
            commandLine.action = CommandLine::ShowVersion;
            return commandLine;
        }
        if (bOption) {
            std::string strError;
            switch (ParsePortOption(strArgument, commandLine.portOptions, strError)) {
                case PortOptionParse::Accepted:
                    continue;
                case PortOptionParse::Invalid:
                    commandLine.strError = strError;
                    break;
                case PortOptionParse::NotAPortOption:
                    commandLine.strError = "unknown option: " + strArgument;
                    break;
            }
            commandLine.action = CommandLine::Error;
            return commandLine;
        }
        if (commandLine.imageFile) {
            commandLine.action = CommandLine::Error;
            commandLine.strError = "only one image file can be opened: " + strArgument;
            return commandLine;
        }
        commandLine.imageFile = strArgument;
    }
    return commandLine;
}

std::string CommandLineHelp() {
    return std::string(
               "Usage: morvex [OPTION]... [IMAGE-FILE]\n"
               "The desktop program of the EPROM programmer on the parallel port\n"
               "(27C64, 27C128, 27C256, 27C512). IMAGE-FILE, a raw image of at most\n"
               "65,536 bytes, is loaded at start.\n"
               "\n") +
           PortOptionsHelp() +
           "  --help             show this text and exit\n"
           "  --version          show the version and exit\n"
           "\n"
           "Version " +
           VERSION_TEXT + "\n";
}
