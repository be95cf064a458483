#pragma once

// Monitor mode of the maximum-size program (1600 lines) as the editor runs it, for the monitor
// and timing diagram benchmarks: a view and the Signals window shown, 16 watched signals, a
// stimulus that changes the inputs every scan, frames driven here instead of by the wall clock.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>
#include <memory>
#include <string>

#include "../../tests/support/GridBuilder.h"
#include "../MaximumProgram.h"
#include "convert/LadConvert.h"
#include "model/AddressNotes.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/monitor/TimingDiagramWindow.h"
#include "view/RungpadView.h"

namespace rungpad::bench {

inline constexpr int kFramesPerSecond = 30;
inline constexpr int kScansPerSecond = 1000 / ScanEngine::kDefaultPeriodMs;

inline double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One second of input changes: X000 and X001 take a new value every scan.
inline std::string InputStimulus() {
    std::string text;
    for (int scan = 0; scan < kScansPerSecond; ++scan) {
        const int time = scan * ScanEngine::kDefaultPeriodMs;
        text += std::to_string(time) + "ms X000=" + std::to_string((scan * 37) % 256) + "\n";
        text += std::to_string(time) + "ms X001=" + std::to_string((scan * 11) % 64) + "\n";
    }
    return text;
}

struct MonitorFixture {
    LadProgram program = test::GridBuilder::Build(MaximumProgram());
    CLadConvert convert{&program};
    CRungpadView view;
    CSimMonitor monitor;
    CSignalsWindow window{monitor};
    std::unique_ptr<CTimingDiagramWindow> timing;
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

    // The Timing Diagram window beside the view, as wide as it, following the run.
    void OpenTimingDiagram() {
        timing = std::make_unique<CTimingDiagramWindow>(monitor);
        timing->resize(1000, 320);
        timing->show();
    }

    bool Start() {
        if (!message.empty() || !monitor.Start(view, convert, message)) {
            return false;
        }
        monitor.SetPaused(true);  // the frames are driven here, not by the wall clock
        QApplication::processEvents();
        return true;
    }

    // The stimulus played from the next scan on; false when it cannot be loaded.
    bool LoadInputs() { return monitor.LoadStimulus(stimulus, message); }

    // One simulated second of display frames, each running its share of the scans.
    void RunOneSecond() {
        for (int frame = 0; frame < kFramesPerSecond; ++frame) {
            const int scans = (frame + 1) * kScansPerSecond / kFramesPerSecond -
                              frame * kScansPerSecond / kFramesPerSecond;
            monitor.Advance(scans);
            QApplication::processEvents();  // repaints what the frame invalidated
        }
    }
};

}  // namespace rungpad::bench
