// Monitor mode on the maximum-size program (1600 lines): one second of simulated time at 8 ms a
// scan, done as the editor does it: 30 display frames, each running its share of the 125 scans
// (a stimulus changes the inputs every scan), evaluating the grid of the whole program, reading
// the watched signals, timers and counters into the Signals window and repainting the cells
// whose state changed. Beside it, in the same run, the same windows for one second without a run
// (the editor idle) and with the run paused (frames without scans). Each reports the share of
// one core it takes: CPU time of the process per simulated second. Target: running < 20%.
// The run again with the Timing Diagram window open, following the watched signals: what the
// window adds should stay below 10% of one core.

#include <benchmark/benchmark.h>

#include "MonitorFixture.h"

namespace {

using namespace rungpad;
using namespace rungpad::bench;

// What one simulated second of each mode does.
enum class Mode { kIdleEditor, kPaused, kRunning, kRunningWithTimingDiagram };

void MonitorOneSecond(benchmark::State& state, Mode mode) {
    MonitorFixture f;
    const bool running = mode == Mode::kRunning || mode == Mode::kRunningWithTimingDiagram;
    if (mode == Mode::kRunningWithTimingDiagram) {
        f.OpenTimingDiagram();
    }
    if (mode != Mode::kIdleEditor && !f.Start()) {
        state.SkipWithError(f.message.c_str());
        return;
    }
    double cpu = 0;
    for (auto _ : state) {
        if (running && !f.LoadInputs()) {
            state.SkipWithError(f.message.c_str());
            return;
        }
        const double start = ProcessCpuSeconds();
        if (running) {
            f.RunOneSecond();
        }
        for (int frame = 0; !running && frame < kFramesPerSecond; ++frame) {
            if (mode == Mode::kPaused) {
                f.monitor.Refresh();
            }
            QApplication::processEvents();
        }
        cpu += ProcessCpuSeconds() - start;
    }
    const double perSecond = cpu / static_cast<double>(state.iterations());
    state.counters["core_pct"] = 100.0 * perSecond;
    state.counters["lines"] = f.program.LineCount();
    if (running) {
        state.counters["scans"] = static_cast<double>(f.monitor.Engine().ScanCount()) /
                                  static_cast<double>(state.iterations());
    }
}

void BM_MonitorIdleEditor(benchmark::State& state) {
    MonitorOneSecond(state, Mode::kIdleEditor);
}
void BM_MonitorPaused(benchmark::State& state) {
    MonitorOneSecond(state, Mode::kPaused);
}
void BM_MonitorRunning1600Lines(benchmark::State& state) {
    MonitorOneSecond(state, Mode::kRunning);
}

void BM_MonitorRunning1600LinesTimingDiagram(benchmark::State& state) {
    MonitorOneSecond(state, Mode::kRunningWithTimingDiagram);
}

BENCHMARK(BM_MonitorIdleEditor)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_MonitorPaused)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_MonitorRunning1600Lines)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

BENCHMARK(BM_MonitorRunning1600LinesTimingDiagram)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace
