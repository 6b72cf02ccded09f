// What the operation frame and its host cost beside the port traffic: a whole 27C512 read,
// compare and blank check through the frame on the simulated board, against the same
// expander transactions issued in a bare loop. Both run in every iteration, one after the
// other, and the counters give their times and the ratio (goal: at most 1.05).

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "hardware/expander_link.h"
#include "hardware/socket.h"
#include "image/image_buffer.h"
#include "operations/compare_eprom.h"
#include "operations/read_eprom.h"
#include "sim/simulated_board.h"

namespace {

// The cheapest host there is, so that what is measured is the frame's own work.
class CSilentHost : public OperationHost {
  public:
    void SetFieldText(int, const std::string&) override {}
    void ShowProgress(const std::string&, DWORD, DWORD) override {}
    void InvalidateField(int) override {}
    void RepaintFormNow() override {}
    void ExchangeFromControls() override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void MessageBox(const std::string&) override {}
    void Beep() override {}
};

enum class Operation { Read, Compare, BlankCheck };

// The transactions of one run without the frame: the start value, SetAddress and
// ReadDataByte at every address, the idle value.
void BareRun(Operation operation, BYTE* pImage) {
    ExpWrite(NIB_CONTROL, CTRL_READ);
    for (DWORD dwAddress = 0; dwAddress <= 0xFFFF; ++dwAddress) {
        g_dwAddress = dwAddress;
        SetAddress();
        const BYTE byRead = ReadDataByte();
        if (operation == Operation::Read) {
            pImage[dwAddress] = byRead;
        } else {
            benchmark::DoNotOptimize(byRead ==
                                     (operation == Operation::Compare ? pImage[dwAddress] : 0xFF));
        }
    }
    IdleControlLines();
}

void FramedRun(Operation operation, OperationHost& host) {
    switch (operation) {
        case Operation::Read:
            ReadEprom(host);
            break;
        case Operation::Compare:
            CompareEprom(host, TRUE);
            break;
        case Operation::BlankCheck:
            CompareEprom(host, FALSE);
            break;
    }
}

void BM_FrameAgainstBareLoop(benchmark::State& state, Operation operation) {
    CSimulatedBoard board(TYPE_27C512);
    SetPortBackEnd(&board);
    g_wType = TYPE_27C512;
    AllocateImageBuffer();
    // An erased chip and an image of 64 KiB of 0xFF: compare and blank check run to the end.
    std::fill_n(LockImage(), IMAGE_BUFFER_SIZE, 0xFF);
    UnlockImage();
    g_dwLastOffset = 0xFFFF;
    CSilentHost host;

    using Clock = std::chrono::steady_clock;
    Clock::duration framed{};
    Clock::duration bare{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        FramedRun(operation, host);
        const Clock::time_point middle = Clock::now();
        BareRun(operation, LockImage());
        UnlockImage();
        bare += Clock::now() - middle;
        framed += middle - start;
    }
    const double dFramedMs = std::chrono::duration<double, std::milli>(framed).count();
    const double dBareMs = std::chrono::duration<double, std::milli>(bare).count();
    state.counters["framed_ms"] = benchmark::Counter(dFramedMs / state.iterations());
    state.counters["bare_ms"] = benchmark::Counter(dBareMs / state.iterations());
    state.counters["ratio"] = benchmark::Counter(dFramedMs / dBareMs);

    ReleaseImageBuffer();
    SetPortBackEnd(nullptr);
}

BENCHMARK_CAPTURE(BM_FrameAgainstBareLoop, read, Operation::Read)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FrameAgainstBareLoop, compare, Operation::Compare)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FrameAgainstBareLoop, blank_check, Operation::BlankCheck)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
