// What a port access costs on the simulated board, alone and in a whole chip read, against
// a back end that does nothing, so that the simulator's share shows.

#include <benchmark/benchmark.h>

#include "hardware/expander_link.h"
#include "hardware/socket.h"
#include "sim/simulated_board.h"

namespace {

// Every byte read is four SetAddress transactions and three of ReadDataByte: 42 writes and
// 2 reads.
constexpr double ACCESSES_PER_BYTE = 44;
constexpr DWORD CHIP_BYTES = 0x10000;
constexpr double ACCESSES_PER_TRANSACTION = 6;

class CNullPortBackEnd : public CPortBackEnd {
  public:
    void WritePort(DWORD, BYTE) override {}
    BYTE ReadPort(DWORD) override { return 0xFF; }
};

benchmark::Counter PerAccess(double nAccesses) {
    return benchmark::Counter(
        nAccesses, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void ReadWholeChip(benchmark::State& state, CPortBackEnd& backEnd) {
    SetPortBackEnd(&backEnd);
    g_wPortBase = LPT1_BASE;
    SelectType(TYPE_27C512);
    PowerOnSequence();
    ExpWrite(NIB_CONTROL, CTRL_READ);
    for (auto _ : state) {
        BYTE bySum = 0;
        for (g_dwAddress = 0; g_dwAddress < CHIP_BYTES; ++g_dwAddress) {
            SetAddress();
            bySum += ReadDataByte();
        }
        benchmark::DoNotOptimize(bySum);
    }
    state.counters["per_access"] = PerAccess(ACCESSES_PER_BYTE * CHIP_BYTES);
    SetPortBackEnd(nullptr);
}

void BM_SimulatedTransaction(benchmark::State& state) {
    CSimulatedBoard board(TYPE_27C512);
    SetPortBackEnd(&board);
    g_wPortBase = LPT1_BASE;
    BYTE byValue = 0;
    for (auto _ : state) {
        ExpWrite(NIB_ADDR_0, byValue);
        byValue = (byValue + 1) & 0x0F;
    }
    state.counters["per_access"] = PerAccess(ACCESSES_PER_TRANSACTION);
    SetPortBackEnd(nullptr);
}
BENCHMARK(BM_SimulatedTransaction);

void BM_SimulatedChipRead(benchmark::State& state) {
    CSimulatedBoard board(TYPE_27C512);
    ReadWholeChip(state, board);
}
BENCHMARK(BM_SimulatedChipRead)->Unit(benchmark::kMillisecond);

void BM_NullBackEndChipRead(benchmark::State& state) {
    CNullPortBackEnd backEnd;
    ReadWholeChip(state, backEnd);
}
BENCHMARK(BM_NullBackEndChipRead)->Unit(benchmark::kMillisecond);

}  // namespace
