// Conversion of a maximum-size program (1600 lines) beside a memcpy of its cell bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "GridBuilder.h"
#include "MaximumProgram.h"
#include "convert/LadConvert.h"

namespace rungpad {
namespace {

struct Fixture {
    LadProgram program = test::GridBuilder::Build(bench::MaximumProgram());
    CLadConvert convert{&program};
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void CopyCells(const LadProgram& program, std::vector<LadLine>& copy) {
    for (int i = 0; i < program.LineCount(); ++i) {
        std::memcpy(static_cast<void*>(&copy[static_cast<std::size_t>(i)]), &program.Line(i),
                    sizeof(LadLine));
    }
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
}

void BM_MemcpyCellsBaseline(benchmark::State& state) {
    const LadProgram& program = Shared().program;
    std::vector<LadLine> copy(static_cast<std::size_t>(program.LineCount()));
    for (auto _ : state) {
        CopyCells(program, copy);
    }
    state.SetBytesProcessed(state.iterations() * program.LineCount() *
                            static_cast<std::int64_t>(sizeof(LadLine)));
}

// Fastest of many copies of the program's cells, in nanoseconds.
double BaselineNanoseconds() {
    const LadProgram& program = Shared().program;
    std::vector<LadLine> copy(static_cast<std::size_t>(program.LineCount()));
    double best = 1e18;
    for (int run = 0; run < 2000; ++run) {
        const auto start = std::chrono::steady_clock::now();
        CopyCells(program, copy);
        const std::chrono::duration<double, std::nano> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void BM_ConvertMaximumProgram(benchmark::State& state) {
    CLadConvert& convert = Shared().convert;
    const double baseline = BaselineNanoseconds();
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        convert.ClearErrors();
        if (convert.Convert() != CLadConvert::kConvertSucceeded) {
            state.SkipWithError(convert.FormatLastError().c_str());
            break;
        }
        total += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
                     .count();
    }
    state.counters["lines"] = Shared().program.LineCount();
    state.counters["texts"] = convert.TextCount();
    state.counters["steps"] = convert.StepCount();
    // How many memcpy copies of the program's cells one conversion costs.
    state.counters["x_memcpy"] = total / static_cast<double>(state.iterations()) / baseline;
}

// The parts of a conversion, to see where the time goes.
void BM_PreCheckOnly(benchmark::State& state) {
    CLadConvert& convert = Shared().convert;
    for (auto _ : state) {
        convert.ClearErrors();
        benchmark::DoNotOptimize(convert.PreCheck());
    }
}

void BM_BuildStepsOnly(benchmark::State& state) {
    CLadConvert& convert = Shared().convert;
    convert.ClearErrors();
    convert.Convert();
    for (auto _ : state) {
        benchmark::DoNotOptimize(convert.BuildSteps());
    }
}

BENCHMARK(BM_MemcpyCellsBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConvertMaximumProgram)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PreCheckOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildStepsOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rungpad
