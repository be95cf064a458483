// Monitor mode on the maximum-size program (1600 lines): one second of simulated time at 8 ms a
// scan, done as the editor does it: 30 display frames, each running its share of the 125 scans
// (a stimulus changes the inputs every scan), evaluating the grid of the whole program, reading
// the watched signals, timers and counters into the Signals window and repainting the cells
// whose state changed. Beside it, in the same run, the same windows for one second without a run
// (the editor idle) and with the run paused (frames without scans). Each reports the share of
// one core it takes: CPU time of the process per simulated second. Target: running < 20%.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>
#include <string>

#include "../../tests/support/GridBuilder.h"
#include "../MaximumProgram.h"
#include "convert/LadConvert.h"
#include "model/AddressNotes.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/monitor/SimMonitor.h"
#include "view/RungpadView.h"

namespace {

using namespace rungpad;

constexpr int kFramesPerSecond = 30;
constexpr int kScansPerSecond = 1000 / ScanEngine::kDefaultPeriodMs;

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One second of input changes: X000 and X001 take a new value every scan.
std::string InputStimulus() {
    std::string text;
    for (int scan = 0; scan < kScansPerSecond; ++scan) {
        const int time = scan * ScanEngine::kDefaultPeriodMs;
        text += std::to_string(time) + "ms X000=" + std::to_string((scan * 37) % 256) + "\n";
        text += std::to_string(time) + "ms X001=" + std::to_string((scan * 11) % 64) + "\n";
    }
    return text;
}

struct MonitorFixture {
    LadProgram program = test::GridBuilder::Build(bench::MaximumProgram());
    CLadConvert convert{&program};
    CRungpadView view;
    CSimMonitor monitor;
    CSignalsWindow window{monitor};
    QTemporaryDir dir;
    std::string stimulus;
    std::string message;

    MonitorFixture() {
        view.resize(1000, 700);
        view.SetProgram(&program);
        view.show();
        window.resize(340, 600);
        window.show();
        const AddressNotes notes;
        for (const char* address :
             {"X000.0", "X000.1", "X000.2", "X000.3", "X000.4", "X000.5", "X001.0", "X001.1",
              "R000.0", "R000.1", "R000.2", "R000.3", "R010", "R012", "D020", "DT0001"}) {
            monitor.Watch().Add(address, notes, message);
        }
        stimulus = dir.filePath(QStringLiteral("inputs.stim")).toStdString();
        QFile file(QString::fromStdString(stimulus));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QByteArray::fromStdString(InputStimulus()));
        }
        message.clear();
        convert.ClearErrors();
        if (convert.Convert() != CLadConvert::kConvertSucceeded) {
            message = convert.FormatLastError();
        }
    }

    bool Start() {
        if (!message.empty() || !monitor.Start(view, convert, message)) {
            return false;
        }
        monitor.SetPaused(true);  // the frames are driven here, not by the wall clock
        QApplication::processEvents();
        return true;
    }
};

// What one simulated second of each mode does.
enum class Mode { kIdleEditor, kPaused, kRunning };

void MonitorOneSecond(benchmark::State& state, Mode mode) {
    MonitorFixture f;
    if (mode != Mode::kIdleEditor && !f.Start()) {
        state.SkipWithError(f.message.c_str());
        return;
    }
    double cpu = 0;
    for (auto _ : state) {
        if (mode == Mode::kRunning && !f.monitor.LoadStimulus(f.stimulus, f.message)) {
            state.SkipWithError(f.message.c_str());
            return;
        }
        const double start = ProcessCpuSeconds();
        for (int frame = 0; frame < kFramesPerSecond; ++frame) {
            const int scans = (frame + 1) * kScansPerSecond / kFramesPerSecond -
                              frame * kScansPerSecond / kFramesPerSecond;
            if (mode == Mode::kRunning) {
                f.monitor.Advance(scans);
            } else if (mode == Mode::kPaused) {
                f.monitor.Refresh();
            }
            QApplication::processEvents();  // repaints what the frame invalidated
        }
        cpu += ProcessCpuSeconds() - start;
    }
    const double perSecond = cpu / static_cast<double>(state.iterations());
    state.counters["core_pct"] = 100.0 * perSecond;
    state.counters["lines"] = f.program.LineCount();
    if (mode == Mode::kRunning) {
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

BENCHMARK(BM_MonitorIdleEditor)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_MonitorPaused)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_MonitorRunning1600Lines)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
