// 100 ladder test cases of 10 s simulated time each on the maximum-size program, beside the plain
// simulation of the same time (engine loaded fresh, stimulus played, coils traced, as `sim` runs).
// Target: x_sim at most 1.5.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "GridBuilder.h"
#include "MaximumProgram.h"
#include "convert/LadConvert.h"
#include "sim/LadderTestFile.h"
#include "sim/LadderTestRunner.h"
#include "sim/ScanEngine.h"
#include "sim/SimRunner.h"
#include "sim/SimTrace.h"
#include "sim/WatchList.h"

namespace rungpad {
namespace {

constexpr int kCases = 100;
constexpr std::int64_t kRunMs = 10'000;

// Each case toggles inputs every 100 ms and states six expectations over them.
std::string SuiteText() {
    std::string text;
    for (int c = 0; c < kCases; ++c) {
        text += "case case " + std::to_string(c) + "\nset DT0001=100\n";
        for (std::int64_t t = 0; t < kRunMs; t += 200) {
            text += std::to_string(t) + "ms X000.0=1\n" + std::to_string(t + 100) + "ms X000.0=0\n";
        }
        text +=
            "expect always X000.7=0\nexpect never X001.0=1\nexpect 104ms..196ms X000.0=0\n"
            "expect X000.0 rises within 8ms after 200ms\nexpect 5s X000.0=1\n"
            "expect X000.0 falls within 104ms after 9s\nrun 10s\n";
    }
    return text;
}

struct Fixture {
    LadProgram program = test::GridBuilder::Build(bench::MaximumProgram());
    CLadConvert convert{&program};
    LadderTestFile suite;
    std::string message;
    bool ready = false;

    Fixture() {
        convert.ClearErrors();
        ScanEngine probe;
        ready = convert.Convert() == CLadConvert::kConvertSucceeded &&
                probe.Load(convert, message) && suite.Parse(SuiteText(), "bench.plt", message);
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The sim command's work for every case's time: a fresh engine, the case's stimulus, every coil
// traced.
double PlainSimSeconds(Fixture& f) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<SimSignal> coils = WatchList::CoilsOf(f.program);
    for (const LadderTestCase& testCase : f.suite.Cases()) {
        ScanEngine engine;
        std::string message;
        engine.Load(f.convert, message);
        SimTrace trace(coils);
        SimRunner(engine, testCase.stimulus, trace).Run(kRunMs / engine.PeriodMs());
        benchmark::DoNotOptimize(trace.Changes().size());
    }
    return Seconds(start);
}

void BM_LadderTests100x10s(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ready) {
        state.SkipWithError(f.message.c_str());
        return;
    }
    const LadderTestRunner runner(f.convert, ScanEngine::kDefaultPeriodMs);
    double tests = 0;
    double sim = 0;
    for (auto _ : state) {
        sim += PlainSimSeconds(f);
        const auto start = std::chrono::steady_clock::now();
        std::string failure;
        for (const LadderTestCase& testCase : f.suite.Cases()) {
            const LadderTestResult result = runner.Run(testCase);
            failure = result.passed ? failure : result.message;
        }
        tests += Seconds(start);
        if (!failure.empty()) {
            state.SkipWithError(failure.c_str());
            return;
        }
    }
    state.counters["lines"] = f.program.LineCount();
    state.counters["tests_s"] = tests / static_cast<double>(state.iterations());
    state.counters["sim_s"] = sim / static_cast<double>(state.iterations());
    state.counters["x_sim"] = tests / sim;
}

BENCHMARK(BM_LadderTests100x10s)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace rungpad
