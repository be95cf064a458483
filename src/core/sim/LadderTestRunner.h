#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sim/LadderTestCase.h"
#include "sim/SimTrace.h"

namespace rungpad {

class CLadConvert;
class SignalMemory;

// The outcome of one case. A failure names the first expectation that failed (earliest time,
// then file order), the time, the value seen and the ladder line of the coil or box that writes
// the signal.
struct LadderTestResult {
    std::string name;
    bool passed = false;
    bool stopped = false;  // the engine refused or stopped: message says why
    std::string message;   // empty on a pass
    std::int64_t failMs = 0;
    int expectationLine = 0;  // 1-based line of the test file
    int ladderLine = -1;      // 0-based line of the writer of the signal; -1 none
    int ladderColumn = -1;    // its column
    SimTrace trace{{}};       // every signal the case names, up to the end of its run

    // "FILE:LINE: message" of the failed expectation of the test file named file ("FILE: message"
    // when the run stopped before one failed).
    std::string Detail(const std::string& file) const;
};

// Runs test cases against a converted program: each from a fresh start (memory, time, timers
// and counters cleared; first scan), scan by scan as the sim command runs them.
class LadderTestRunner {
  public:
    // converter must hold a complete step list and outlive the runner.
    LadderTestRunner(const CLadConvert& converter, int periodMs);

    LadderTestResult Run(const LadderTestCase& testCase) const;

    // What a case starts from, written into the memory of a freshly loaded engine: its forces,
    // then its initial values.
    static void WriteStart(const LadderTestCase& testCase, SignalMemory& memory);
    // The number of scans a run makes up to and including the one that runs at timeMs.
    static std::int64_t ScansThrough(std::int64_t timeMs, int periodMs) {
        return timeMs / periodMs + 1;
    }

    // The 0-based line of the last coil or box (in program order) that writes signal; -1 none.
    int WriterLine(const SimSignal& signal) const;
    // That coil or box as (column, line); (-1, -1) none.
    std::pair<int, int> WriterPlace(const SimSignal& signal) const;

  private:
    struct Writer {
        SimSignal signal;
        int line = 0;
        int column = 0;
    };
    const CLadConvert& m_converter;
    int m_periodMs;
    std::vector<Writer> m_writers;
};

}  // namespace rungpad
