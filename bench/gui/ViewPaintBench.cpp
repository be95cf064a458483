// Painting one screenful of the ladder view: a program of 1600 lines, scrolled to its middle,
// against one of 20 lines. Painting only the exposed lines keeps the two close.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <memory>

#include "model/FuncInstrTable.h"
#include "model/LadProgram.h"
#include "view/RungpadView.h"

namespace {

using namespace rungpad;

// A busy line: two contacts, wires, a coil, a link, a note; every tenth line starts a TMR box.
LadLine TypicalLine(int i) {
    LadLine line;
    line.Cell(0).code = Element::kNoContact;
    line.Cell(0).SetText("X001.2");
    line.Cell(1).code = Element::kNcContact;
    line.Cell(1).SetText("R100.7");
    line.Cell(1).vlink = i % 2;
    for (int c = 2; c < 7; ++c) {
        line.Cell(c).code = Element::kHLine;
    }
    line.Cell(7).code = i % 3 == 0 ? Element::kNegCoil : Element::kCoil;
    line.Cell(7).SetText("Y002.1");
    return line;
}

LadProgram MakeProgram(int lines) {
    LadProgram program;
    for (int i = 0; i < lines; ++i) {
        program.AppendLine(TypicalLine(i), NoteText("motor on"));
    }
    for (int i = 0; i + 1 < lines; i += 10) {
        const std::uint16_t tmr = FuncInstrTable::CodeOf(FuncInstrTable::kTMR);
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 2; ++c) {
                program.Cell(3 + c, i + r).code = static_cast<std::uint16_t>(tmr + 16 * r + c);
            }
        }
        program.Cell(3, i).SetText("TMR");
        program.Cell(4, i).SetText("12");
    }
    return program;
}

void PaintScreenful(benchmark::State& state, int lines) {
    LadProgram program = MakeProgram(lines);
    CRungpadView view;
    view.resize(1000, 700);
    view.SetProgram(&program);
    view.show();
    QApplication::processEvents();
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["lines"] = lines;
}

void BM_PaintScreenful_20Lines(benchmark::State& state) {
    PaintScreenful(state, 20);
}
void BM_PaintScreenful_1600Lines(benchmark::State& state) {
    PaintScreenful(state, 1600);
}

BENCHMARK(BM_PaintScreenful_20Lines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintScreenful_1600Lines)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Without a display the benchmark paints offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
