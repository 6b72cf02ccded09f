// morvex: the desktop program of the EPROM programmer.

#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/morvex_app.h"
#include "app/res/version.h"
#include "app/shutdown_signals.h"
#include "framework/message_box.h"
#include "platform/port_session.h"

namespace {

constexpr int EXIT_USAGE = 2;

std::vector<std::string> Arguments(int argc, char* argv[]) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// --help and --version answer without a display, before Qt starts.
bool AnswersAtOnce(const std::vector<std::string>& arguments) {
    for (const std::string& strArgument : arguments) {
        if (strArgument == "--") {
            return false;
        }
        if (strArgument == "--help") {
            std::fputs(CommandLineHelp().c_str(), stdout);
            return true;
        }
        if (strArgument == "--version") {
            std::printf("morvex %s\n", VERSION_TEXT);
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AnswersAtOnce(Arguments(argc, argv))) {
        return 0;
    }
    // QApplication takes its own switches (-platform, -style, ...) out of argv.
    QApplication application(argc, argv);
    const CommandLine commandLine = ParseCommandLine(Arguments(argc, argv));
    if (commandLine.action == CommandLine::Error) {
        std::fprintf(stderr, "morvex: %s\nTry 'morvex --help'.\n", commandLine.strError.c_str());
        return EXIT_USAGE;
    }

    std::string strError;
    std::unique_ptr<CPortSession> pSession = CPortSession::Open(commandLine.portOptions, strError);
    if (pSession == nullptr) {
        std::fprintf(stderr, "morvex: %s\n", strError.c_str());
        ShowMessageBox(nullptr, QString::fromStdString(strError));
        return EXIT_USAGE;
    }

    CMorvexApp theApp;
    CShutdownSignals shutdownSignals;
    if (!shutdownSignals.Install([&theApp] { theApp.OnShutdownSignal(); })) {
        std::perror("morvex: signal handlers");
    }
    StartupOptions startup;
    startup.imageFile = commandLine.imageFile;
    if (pSession->SimulatedBoard() != nullptr) {
        startup.strBoardNote = QString::fromStdString(pSession->Description());
    }
    int nExitCode = 1;
    if (theApp.InitInstance(startup)) {
        nExitCode = application.exec();
        theApp.ExitInstance();
    }
    if (!pSession->Close(strError)) {
        std::fprintf(stderr, "morvex: %s\n", strError.c_str());
        nExitCode = 1;
    }
    return nExitCode;
}
