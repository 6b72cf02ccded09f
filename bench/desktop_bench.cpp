// What the desktop program costs beside the chip work:
// - a whole 27C512 read started from the form (the command of its "Read" button, with the
//   32 immediate repaints of the status field) against the same read through the console
//   front end's host, both on the simulated board; the counters give both times and their
//   ratio, medians over the iterations (goal: ratio at most 1.10);
// - the start-up of the program to its first shown window: application object, settings,
//   document, frame, form with the power-on sequence and the image buffer, until the
//   window system has exposed the window.
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/main_frame.h"
#include "app/morvex_app.h"
#include "app/morvex_view.h"
#include "app/res/resource.h"
#include "bench/first_expose.h"
#include "cli/cli_host.h"
#include "hardware/socket.h"
#include "operations/read_eprom.h"
#include "sim/simulated_board.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t nMiddle = values.size() / 2;
    return values.size() % 2 != 0 ? values[nMiddle] : (values[nMiddle - 1] + values[nMiddle]) / 2;
}

void BM_DesktopReadAgainstConsoleRead(benchmark::State& state) {
    CSimulatedBoard board(TYPE_27C512);
    SetPortBackEnd(&board);
    CMorvexApp app;
    if (!app.InitInstance({}) || !QTest::qWaitForWindowExposed(app.MainFrame())) {
        state.SkipWithError("the window did not come up");
        return;
    }
    std::FILE* pNull = std::fopen("/dev/null", "w");
    CCliHost cliHost(pNull, pNull, false);

    // Each iteration runs both reads back to back; the ratio reported is the median of the
    // iterations' ratios, which other load on the machine disturbs least.
    using Clock = std::chrono::steady_clock;
    std::vector<double> desktopMs;
    std::vector<double> consoleMs;
    std::vector<double> ratios;
    auto timeMs = [](auto&& read) {
        const Clock::time_point start = Clock::now();
        read();
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    auto readOnConsole = [&cliHost] { ReadEprom(cliHost); };
    auto readOnDesktop = [&app] { app.MainFrame()->RouteCommand(IDC_READ); };
    // The two reads take turns at going first, so that neither always finds the caches
    // as the other left them.
    bool bConsoleFirst = true;
    for (auto _ : state) {
        if (bConsoleFirst) {
            consoleMs.push_back(timeMs(readOnConsole));
            desktopMs.push_back(timeMs(readOnDesktop));
        } else {
            desktopMs.push_back(timeMs(readOnDesktop));
            consoleMs.push_back(timeMs(readOnConsole));
        }
        bConsoleFirst = !bConsoleFirst;
        ratios.push_back(desktopMs.back() / consoleMs.back());
    }
    state.counters["desktop_ms"] = Median(desktopMs);
    state.counters["console_ms"] = Median(consoleMs);
    state.counters["ratio"] = Median(ratios);

    std::fclose(pNull);
    app.ExitInstance();
    SetPortBackEnd(nullptr);
}
BENCHMARK(BM_DesktopReadAgainstConsoleRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_StartUpToFirstShownWindow(benchmark::State& state) {
    CSimulatedBoard board(TYPE_27C512);
    SetPortBackEnd(&board);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        CMorvexApp app;
        app.InitInstance({std::nullopt, QStringLiteral("simulated 27C512")});
        WaitForFirstExpose(app.MainFrame());
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        app.ExitInstance();
    }
    SetPortBackEnd(nullptr);
}
BENCHMARK(BM_StartUpToFirstShownWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // The program's settings go to a folder of their own, not the user's.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
