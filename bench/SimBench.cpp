// One second of machine time (125 scans of 8 ms) of the maximum-size program in the scan engine,
// beside a loop over as many records doing one memory read each.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "GridBuilder.h"
#include "MaximumProgram.h"
#include "convert/LadConvert.h"
#include "sim/ScanEngine.h"

namespace rungpad {
namespace {

constexpr int kScansPerSecond = 1000 / ScanEngine::kDefaultPeriodMs;

struct SimFixture {
    LadProgram program = test::GridBuilder::Build(bench::MaximumProgram());
    CLadConvert convert{&program};
    ScanEngine engine;
    std::string message;
    bool loaded = false;

    SimFixture() {
        convert.ClearErrors();
        loaded =
            convert.Convert() == CLadConvert::kConvertSucceeded && engine.Load(convert, message);
        if (!loaded && message.empty()) {
            message = convert.FormatLastError();
        }
    }
};

SimFixture& Shared() {
    static SimFixture fixture;
    return fixture;
}

// One memory read per record for a second's worth of scans: the least any engine can do.
std::uint32_t ReadLoop(const CLadConvert& convert, const SignalMemory& memory) {
    std::uint32_t sum = 0;
    for (int scan = 0; scan < kScansPerSecond; ++scan) {
        for (int i = 0; i < convert.StepCount(); ++i) {
            sum += memory.Byte(convert.StepAt(i).a);
        }
    }
    return sum;
}

void BM_SimBaselineReadLoop(benchmark::State& state) {
    SimFixture& f = Shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadLoop(f.convert, f.engine.Memory()));
    }
    state.counters["records"] = f.convert.StepCount();
}

double BaselineNanoseconds() {
    SimFixture& f = Shared();
    double best = 1e18;
    for (int run = 0; run < 50; ++run) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ReadLoop(f.convert, f.engine.Memory()));
        best = std::min(
            best, std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
                      .count());
    }
    return best;
}

void BM_SimOneSecondOfMachineTime(benchmark::State& state) {
    SimFixture& f = Shared();
    if (!f.loaded) {
        state.SkipWithError(f.message.c_str());
        return;
    }
    const double baseline = BaselineNanoseconds();
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int scan = 0; scan < kScansPerSecond; ++scan) {
            f.engine.Memory().WriteByte(0x8090, static_cast<std::uint8_t>(scan));  // X000 changes
            if (!f.engine.Scan()) {
                state.SkipWithError(f.engine.StopMessage().c_str());
                return;
            }
        }
        total += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
                     .count();
    }
    const double perSecond = total / static_cast<double>(state.iterations());
    state.counters["lines"] = f.program.LineCount();
    state.counters["records"] = f.engine.RecordCount();
    // Target: 20 or more (one second simulated in at most 50 ms).
    state.counters["x_realtime"] = 1e9 / perSecond;
    state.counters["x_read_loop"] = perSecond / baseline;
}

BENCHMARK(BM_SimBaselineReadLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimOneSecondOfMachineTime)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rungpad
