// A repaint of the Timing Diagram window with 32 signals over 10 minutes of 8 ms scans (bits
// that change every scan to every 16th, words that count every scan), at several zooms: the
// whole run across the window, 10 seconds, 3 s, 700 ms (a word's crossings as close as they are
// drawn apart: the most lines), 100 ms (its values written out). The same picture again (a cursor
// dragged, a window uncovered), and while following a live run that grows by a display frame of
// scans before each repaint (the window scrolls on; 10 minutes of history kept). Each is reported
// beside the display frame of monitor mode on the 1600-line program, measured in the same run (its
// CPU time for one simulated second, a thirtieth of it): frame_ratio = repaint / frame. Target: <=
// 0.5.

#include <benchmark/benchmark.h>

#include <QImage>

#include "MonitorFixture.h"
#include "shell/monitor/TimingDiagramView.h"
#include "sim/SignalHistory.h"

namespace {

using namespace rungpad;
using namespace rungpad::bench;

constexpr int kSignals = 32;
constexpr std::int64_t kRunMs = 10 * 60 * 1000;
constexpr std::int64_t kScanMs = ScanEngine::kDefaultPeriodMs;

SimSignal Named(const std::string& name) {
    std::string problem;
    return *SimSignal::Parse(name, problem);
}

// Half bits, half words; bit i changes every (i % 16 + 1) scans, word i counts every scan.
void RecordScan(SignalHistory& history, const std::vector<SimSignal>& watched, std::int64_t scan) {
    for (std::size_t row = 0; row < watched.size(); ++row) {
        const auto i = static_cast<std::int64_t>(row / 2);
        const auto value = watched[row].IsBit()
                               ? static_cast<std::uint32_t>(scan / (i + 1) % 2)
                               : static_cast<std::uint32_t>((scan * (i + 1)) % 65536);
        history.Record(row, scan * kScanMs, value, scan > 1000 && scan < 2000 && i == 3);
    }
}

std::vector<SimSignal> Watched() {
    std::vector<SimSignal> watched;
    for (int i = 0; i < kSignals / 2; ++i) {
        watched.push_back(Named(Bit('R', i)));
        watched.push_back(Named("D" + std::to_string(100 + 2 * i)));
    }
    return watched;
}

SignalHistory TenMinutesOf32Signals() {
    SignalHistory history;
    const std::vector<SimSignal> watched = Watched();
    history.SetSignals(watched, {});
    for (std::int64_t scan = 0; scan * kScanMs <= kRunMs; ++scan) {
        RecordScan(history, watched, scan);
    }
    history.SetEnd(kRunMs);
    return history;
}

// CPU seconds of one display frame of monitor mode on the 1600-line program (0 when it could
// not run; message then says why).
double MonitorFrameSeconds(std::string& message) {
    MonitorFixture f;
    if (!f.Start()) {
        message = f.message;
        return 0;
    }
    constexpr int kSeconds = 3;
    double cpu = 0;
    for (int second = 0; second < kSeconds; ++second) {
        if (!f.LoadInputs()) {
            message = f.message;
            return 0;
        }
        const double start = ProcessCpuSeconds();
        f.RunOneSecond();
        cpu += ProcessCpuSeconds() - start;
    }
    return cpu / (kSeconds * kFramesPerSecond);
}

// How much of the run the window shows: 0 for all of it; live: the run goes on a frame between
// repaints.
void RepaintTimingDiagram(benchmark::State& state, std::int64_t shownMs, bool live = false) {
    std::string message;
    const double frame = MonitorFrameSeconds(message);
    if (frame <= 0) {
        state.SkipWithError(message.c_str());
        return;
    }
    SignalHistory history = TenMinutesOf32Signals();
    const std::vector<SimSignal> watched = Watched();
    std::int64_t scan = kRunMs / kScanMs + 1;
    CTimingDiagramView view;
    // Every row in sight: the most a repaint draws.
    view.resize(1200, static_cast<int>(TimingDiagram::kRulerHeight +
                                       kSignals * TimingDiagram::kRowHeight + 40));
    view.show();
    QApplication::processEvents();
    view.SetHistory(&history, live);
    if (live) {
        view.FitAll();
        view.SetFollowing(true);
    }
    if (shownMs > 0) {
        const double plotWidth = (view.ToMs() - view.FromMs()) / view.MsPerPixel();
        view.SetMsPerPixel(static_cast<double>(shownMs) / plotWidth);
        if (!live) {
            view.ScrollTo(static_cast<double>(kRunMs) / 2);
        }
    }
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    double cpu = 0;
    constexpr std::int64_t kScansPerFrame = 1000 / kFramesPerSecond / kScanMs + 1;
    for (auto _ : state) {
        if (live) {
            for (std::int64_t i = 0; i < kScansPerFrame; ++i, ++scan) {
                RecordScan(history, watched, scan);
            }
            history.SetEnd(scan * kScanMs);
            view.HistoryChanged();
        }
        const double start = ProcessCpuSeconds();
        view.viewport()->render(&image);
        cpu += ProcessCpuSeconds() - start;
        benchmark::DoNotOptimize(image.constBits());
    }
    const double repaint = cpu / static_cast<double>(state.iterations());
    state.counters["frame_ratio"] = repaint / frame;
    state.counters["frame_ms"] = frame * 1000;
    state.counters["repaint_ms"] = repaint * 1000;
    state.counters["rows"] = static_cast<double>(history.RowCount());
    state.counters["changes_k"] =
        static_cast<double>(history.ChangeBytes()) / sizeof(HistoryChange) / 1000;
}

void BM_TimingRepaint32x10minFitAll(benchmark::State& state) {
    RepaintTimingDiagram(state, 0);
}
void BM_TimingRepaint32x10min10s(benchmark::State& state) {
    RepaintTimingDiagram(state, 10'000);
}
void BM_TimingRepaint32x10min700ms(benchmark::State& state) {
    RepaintTimingDiagram(state, 700);
}
void BM_TimingRepaint32x10min100ms(benchmark::State& state) {
    RepaintTimingDiagram(state, 100);
}

void BM_TimingFollow32x10minFitAll(benchmark::State& state) {
    RepaintTimingDiagram(state, 0, true);
}
void BM_TimingFollow32x10min10s(benchmark::State& state) {
    RepaintTimingDiagram(state, 10'000, true);
}
void BM_TimingFollow32x10min3s(benchmark::State& state) {
    RepaintTimingDiagram(state, 3'000, true);
}
void BM_TimingFollow32x10min700ms(benchmark::State& state) {
    RepaintTimingDiagram(state, 700, true);
}
void BM_TimingFollow32x10min100ms(benchmark::State& state) {
    RepaintTimingDiagram(state, 100, true);
}

BENCHMARK(BM_TimingRepaint32x10minFitAll)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TimingRepaint32x10min10s)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TimingRepaint32x10min700ms)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TimingRepaint32x10min100ms)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TimingFollow32x10minFitAll)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TimingFollow32x10min10s)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TimingFollow32x10min3s)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TimingFollow32x10min700ms)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TimingFollow32x10min100ms)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
