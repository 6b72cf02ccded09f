// morvex-cli: one chip operation from the command line, for batch use, scripts and machines
// without a display.

#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_host.h"
#include "cli/cli_options.h"
#include "hardware/expander_link.h"
#include "hardware/socket.h"
#include "image/image_buffer.h"
#include "image/image_file.h"
#include "operations/compare_eprom.h"
#include "operations/program_eprom.h"
#include "operations/read_eprom.h"
#include "operations/stop_request.h"
#include "platform/port_session.h"

namespace {

enum : int {
    EXIT_SUCCEEDED = 0,
    EXIT_CHIP_FAILED = 1,
    EXIT_REFUSED = 2,
};

volatile std::sig_atomic_t g_nStopSignal = 0;

// Only async-signal-safe work here: the operation notices the request at its next address
// and puts the control nibble to CTRL_IDLE itself.
void OnStopSignal(int nSignal) {
    g_nStopSignal = nSignal;
    RequestOperationStop();
}

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A reader that goes away (a pipe into head) must not end the program before the
    // control lines are idle; the texts are lost, the operation is not.
    std::signal(SIGPIPE, SIG_IGN);
}

int ExitCodeOf(OperationOutcome outcome) {
    switch (outcome) {
        case OperationOutcome::Succeeded:
            return EXIT_SUCCEEDED;
        case OperationOutcome::ChipFailed:
            return EXIT_CHIP_FAILED;
        default:
            return EXIT_REFUSED;
    }
}

// The image for write and compare, then the operation itself. Returns the exit code; a
// stop request is answered by the caller.
int RunCommand(const CliOptions& options, CCliHost& host) {
    if (options.command == CliCommand::Write || options.command == CliCommand::Compare) {
        if (LoadImageFile(options.strFile, host, &host) != ImageOpenResult::Loaded) {
            return EXIT_REFUSED;
        }
    }
    if (IsOperationStopRequested()) {
        return EXIT_REFUSED;
    }
    switch (options.command) {
        case CliCommand::Read: {
            const int nCode = ExitCodeOf(ReadEprom(host));
            if (nCode != EXIT_SUCCEEDED || IsOperationStopRequested()) {
                return nCode;
            }
            return SaveImageFile(options.strFile, host, &host) ? EXIT_SUCCEEDED : EXIT_REFUSED;
        }
        case CliCommand::Write:
            return ExitCodeOf(ProgramEprom(host));
        case CliCommand::Compare:
            return ExitCodeOf(CompareEprom(host, TRUE));
        default:
            return ExitCodeOf(CompareEprom(host, FALSE));
    }
}

int RunOnBoard(const CliOptions& options) {
    if (const char* pszFailure = AllocateImageBuffer()) {
        std::fprintf(stderr, "%s\n", pszFailure);
        return EXIT_REFUSED;
    }
    SelectType(options.wType);
    if (options.bLpt2) {
        SelectLpt2();
    } else {
        SelectLpt1();
    }
    std::string strError;
    std::unique_ptr<CPortSession> pSession = CPortSession::Open(options.portOptions, strError);
    if (!pSession) {
        std::fprintf(stderr, "morvex-cli: %s\n", strError.c_str());
        ReleaseImageBuffer();
        return EXIT_REFUSED;
    }

    CCliHost host(stdout, stderr, ::isatty(STDERR_FILENO) != 0);
    PowerOnSequence();
    int nCode = RunCommand(options, host);
    // The programming voltage off, whatever happened.
    IdleControlLines();
    if (g_nStopSignal != 0) {
        std::fprintf(stderr, "morvex-cli: %s: stopped at address %lx, control lines idle\n",
                     g_nStopSignal == SIGINT ? "SIGINT" : "SIGTERM",
                     static_cast<unsigned long>(g_dwAddress));
        nCode = 128 + g_nStopSignal;
    }
    if (!pSession->Close(strError)) {
        std::fprintf(stderr, "morvex-cli: %s\n", strError.c_str());
        if (nCode == EXIT_SUCCEEDED) {
            nCode = EXIT_REFUSED;
        }
    }
    ReleaseImageBuffer();
    return nCode;
}

}  // namespace

int main(int argc, char** argv) {
    InstallStopHandlers();
    CliOptions options;
    std::string strError;
    if (!ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc), options, strError)) {
        std::fprintf(stderr, "morvex-cli: %s\nTry 'morvex-cli --help'.\n", strError.c_str());
        return EXIT_REFUSED;
    }
    if (options.command == CliCommand::Help) {
        std::fputs(CliHelpText().c_str(), stdout);
        return EXIT_SUCCEEDED;
    }
    if (options.command == CliCommand::Version) {
        std::printf("morvex-cli %s\n", MORVEX_VERSION);
        return EXIT_SUCCEEDED;
    }
    return RunOnBoard(options);
}
