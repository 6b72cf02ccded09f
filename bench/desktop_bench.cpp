// What the desktop program costs beside the chip work:
// - a whole 27C512 read started from the form (the command of its "Read" button, with the
//   32 immediate repaints of the status field) against the same read through the console
//   front end's host, both on the simulated board; the counters give both times and the
//   ratio (goal: at most 1.10);
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
#include <chrono>
#include <cstdio>

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

    using Clock = std::chrono::steady_clock;
    Clock::duration desktop{};
    Clock::duration console{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        ReadEprom(cliHost);
        const Clock::time_point middle = Clock::now();
        app.MainFrame()->RouteCommand(IDC_READ);
        desktop += Clock::now() - middle;
        console += middle - start;
    }
    const double dDesktopMs = std::chrono::duration<double, std::milli>(desktop).count();
    const double dConsoleMs = std::chrono::duration<double, std::milli>(console).count();
    state.counters["desktop_ms"] = benchmark::Counter(dDesktopMs / state.iterations());
    state.counters["console_ms"] = benchmark::Counter(dConsoleMs / state.iterations());
    state.counters["ratio"] = benchmark::Counter(dDesktopMs / dConsoleMs);

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
