// Start-up of the desktop program to its first shown window, as a whole process: the
// script that launches it passes the launch time in MORVEX_LAUNCHED_NS (nanoseconds of
// CLOCK_REALTIME, as `date +%s%N` gives them); the probe starts exactly as morvex
// --simulate does and prints the milliseconds from launch to the first expose of the main
// window, then closes the program the normal way. scripts/bench-startup runs it several
// times and reports the median.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/main_frame.h"
#include "app/morvex_app.h"
#include "bench/first_expose.h"
#include "platform/port_session.h"

namespace {

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* pszLaunched = std::getenv("MORVEX_LAUNCHED_NS");
    if (pszLaunched == nullptr) {
        std::fputs("startup_probe: MORVEX_LAUNCHED_NS is not set\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    PortOptions options;
    options.bSimulate = true;
    std::string strError;
    std::unique_ptr<CPortSession> pSession = CPortSession::Open(options, strError);
    if (pSession == nullptr) {
        std::fprintf(stderr, "startup_probe: %s\n", strError.c_str());
        return 2;
    }
    CMorvexApp theApp;
    if (!theApp.InitInstance({std::nullopt, QString::fromStdString(pSession->Description())})) {
        return 1;
    }
    WaitForFirstExpose(theApp.MainFrame());
    const long long nElapsed = NowNs() - std::atoll(pszLaunched);
    std::printf("%.2f\n", static_cast<double>(nElapsed) / 1e6);
    theApp.ExitInstance();
    pSession->Close(strError);
    return 0;
}
