#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "convert/LadConvert.h"
#include "sim/ScanEngine.h"
#include "sim/SimRunner.h"
#include "sim/SimTrace.h"
#include "sim/Stimulus.h"

namespace rungpad::test {

// The signal named by a valid address text.
inline SimSignal Named(const char* address) {
    std::string problem;
    return *SimSignal::Parse(address, problem);
}

// A program built from grid lines (END1 and END2 appended, then the subprogram lines), converted
// and loaded into a scan engine.
struct SimProgram {
    LadProgram program;
    CLadConvert convert{&program};
    ScanEngine engine;
    std::string message;

    // False (with message) when the program does not convert or the engine refuses it.
    bool Load(const std::vector<std::string>& body, const std::vector<std::string>& after = {}) {
        std::vector<std::string> lines = body;
        lines.push_back("- - - - [END1] - - -");
        lines.push_back("- - - - [END2] - - -");
        lines.insert(lines.end(), after.begin(), after.end());
        return LoadLines(lines);
    }

    // As Load, with the END1 and END2 lines among lines (level 2 code between them).
    bool LoadLines(const std::vector<std::string>& lines) {
        program = GridBuilder::Build(lines);
        convert.SetProgram(&program);
        convert.ClearErrors();
        if (convert.Convert() != CLadConvert::kConvertSucceeded) {
            message = "does not convert: " + convert.FormatLastError();
            return false;
        }
        return engine.Load(convert, message);
    }

    // Runs scans with the stimulus and returns the trace of the watched signals ("TIME SIG=V"
    // lines), or the stop message after it.
    std::string Trace(const std::string& stimulusText, const std::string& watch, int scans) {
        Stimulus stimulus;
        std::string problem;
        if (!stimulus.Parse(stimulusText, problem)) {
            return problem;
        }
        std::vector<SimSignal> signals;
        std::size_t at = 0;
        while (at < watch.size()) {
            const std::size_t comma = std::min(watch.find(',', at), watch.size());
            signals.push_back(*SimSignal::Parse(watch.substr(at, comma - at), problem));
            at = comma + 1;
        }
        SimTrace trace(signals);
        const bool complete = SimRunner(engine, stimulus, trace).Run(scans);
        return trace.Text() + (complete ? "" : "stopped: " + engine.StopMessage() + "\n");
    }
};

}  // namespace rungpad::test
