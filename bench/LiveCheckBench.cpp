// The editor's silent conversion after each edit on a 1600-line program (target: under 2 ms),
// beside a copy of the program; and the coil references refreshed after each edit (target:
// under 1 ms), beside that conversion.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "../tests/support/GridBuilder.h"
#include "analysis/CoilReferences.h"
#include "analysis/LiveCheck.h"

namespace rungpad {
namespace {

// Networks of contacts in series and parallel with a coil, and a timer, to the full size.
LadProgram FullProgram() {
    std::vector<std::string> grid;
    int coil = 0;
    const auto next = [&coil] {
        char text[16];
        std::snprintf(text, sizeof text, "R%03d.%d", (coil / 8) % 512, coil % 8);
        ++coil;
        return std::string(text);
    };
    grid.push_back("- - - - [END1] - - -");
    for (int timer = 0; grid.size() + 6 < LadProgram::kMaxLines - 1; ++timer) {
        grid.push_back("X000.2 X000.3| - - - - - (" + next() + ")");
        grid.push_back("X000.4 /X000.5");
        char box[32];
        std::snprintf(box, sizeof box, "[TMR:%04d]", timer % 128);
        grid.push_back(timer < 128 ? "X001.0 - - " + std::string(box) + " - - (" + next() + ")"
                                   : "X001.0 - - - - - - (" + next() + ")");
        grid.push_back(timer < 128 ? ". . . # #" : "");
        grid.push_back("X002.0 /X002.1 - - - - - (" + next() + ")");
    }
    while (grid.size() < LadProgram::kMaxLines - 1) {
        grid.push_back("");
    }
    grid.push_back("- - - - [END2] - - -");
    return test::GridBuilder::Build(grid);
}

LadProgram& Program() {
    static LadProgram program = FullProgram();
    return program;
}

void BM_ProgramCopyBaseline(benchmark::State& state) {
    LadProgram copy;
    for (auto _ : state) {
        copy = Program();
        benchmark::DoNotOptimize(&copy);
    }
}

// Fastest of many copies of the whole program (what the check does first), in nanoseconds.
double CopyNanoseconds() {
    LadProgram copy;
    double best = 1e18;
    for (int run = 0; run < 500; ++run) {
        const auto start = std::chrono::steady_clock::now();
        copy = Program();
        benchmark::DoNotOptimize(&copy);
        best = std::min(
            best, std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
                      .count());
    }
    return best;
}

// One edit (a contact toggled between open and closed) and the check that follows it.
void BM_LiveCheckPerEdit(benchmark::State& state) {
    LadProgram& program = Program();
    CLiveCheck check;
    bool converts = true;
    const double baseline = CopyNanoseconds();
    double fastest = 1e18;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        LadCell& cell = program.Cell(1, 1);
        cell.code = cell.code == Element::kNcContact ? Element::kNoContact : Element::kNcContact;
        converts = converts && check.Check(program).converts;
        fastest = std::min(fastest, std::chrono::duration<double, std::nano>(
                                        std::chrono::steady_clock::now() - start)
                                        .count());
    }
    // The fastest edit against the fastest copy, both measured undisturbed by other load.
    state.counters["x_copy"] = fastest / baseline;
    state.counters["best_ms"] = fastest / 1e6;
    if (!converts) {
        state.SkipWithError(check.Last().message.c_str());
    }
    state.counters["lines"] = program.LineCount();
}

// Fastest of many live checks of the whole program, in nanoseconds.
double LiveCheckNanoseconds() {
    CLiveCheck check;
    double best = 1e18;
    for (int run = 0; run < 200; ++run) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(check.Check(Program()).converts);
        best = std::min(
            best, std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
                      .count());
    }
    return best;
}

// One edit (a contact toggled between open and closed) and the coil references built afresh.
void BM_CoilReferencesPerEdit(benchmark::State& state) {
    LadProgram& program = Program();
    const double baseline = LiveCheckNanoseconds();
    double fastest = 1e18;
    std::size_t coils = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        LadCell& cell = program.Cell(1, 1);
        cell.code = cell.code == Element::kNcContact ? Element::kNoContact : Element::kNcContact;
        const CoilReferences references = CoilReferences::Build(program);
        coils = references.All().size();
        benchmark::DoNotOptimize(&references);
        fastest = std::min(fastest, std::chrono::duration<double, std::nano>(
                                        std::chrono::steady_clock::now() - start)
                                        .count());
    }
    state.counters["x_live_check"] = fastest / baseline;
    state.counters["best_ms"] = fastest / 1e6;
    state.counters["coils"] = static_cast<double>(coils);
}

BENCHMARK(BM_ProgramCopyBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiveCheckPerEdit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CoilReferencesPerEdit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace rungpad
