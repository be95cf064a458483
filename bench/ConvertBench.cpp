// Conversion of a maximum-size program (1600 lines) beside a memcpy of its cell bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "GridBuilder.h"
#include "convert/LadConvert.h"

namespace rungpad {
namespace {

std::string Bit(char letter, int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%c%03d.%d", letter, (n / 8) % 512, n % 8);
    return text;
}

std::string Num(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", n);
    return text;
}

// One block of networks: contacts with parallel branches, a timer, an addition, a COD table with
// its CODT line and a word move. Every coil and box number is new.
void AppendBlock(std::vector<std::string>& grid, int b, int& coil) {
    auto out = [&coil] { return "(" + Bit('R', coil++) + ")"; };
    grid.push_back("X000.0| /X000.1 - - - - - " + out());
    grid.push_back(Bit('R', coil - 1));
    grid.push_back("X000.2 X000.3| - - - - - " + out());
    grid.push_back("X000.4 /X000.5");
    grid.push_back("X000.0| X000.1 X000.4| X000.5 - - - " + out());
    grid.push_back(". X000.2 X000.3");
    grid.push_back("X001.0 - - [TMR:" + Num(b) + "] - - " + out());
    grid.push_back(". . . # #");
    grid.push_back("X001.1 [ADD:0002:R100:0010:R102] - " + out());
    grid.push_back("X001.2 # # # # #");
    grid.push_back("X001.3 [COD:1:4:R010:R012] - " + out());
    grid.push_back("X001.4 # # # # #");
    grid.push_back("CODT 00001 00002 00003 00004");
    grid.push_back("X001.5 [MOVW:R012:D020] - - - " + out());
    grid.push_back(". # # #");
}

std::vector<std::string> MaximumProgram() {
    std::vector<std::string> grid;
    int coil = 0;
    int block = 0;
    AppendBlock(grid, block++, coil);
    grid.push_back("- - - - [END1] - - -");
    while (grid.size() + 15 < LadProgram::kMaxLines - 1) {
        AppendBlock(grid, block++, coil);
    }
    while (grid.size() < LadProgram::kMaxLines - 1) {
        grid.push_back("X002.0 X002.1 - - - - - (" + Bit('Y', coil++ % 384) + ")");
    }
    grid.push_back("- - - - [END2] - - -");
    return grid;
}

struct Fixture {
    LadProgram program = test::GridBuilder::Build(MaximumProgram());
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
