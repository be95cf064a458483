#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/SimSignal.h"
#include "sim/Stimulus.h"

namespace rungpad {

// What one expect line of a test file demands of a signal.
struct TestExpectation {
    enum class Kind : std::uint8_t {
        kAt,      // expect 120ms Y000.0=1: the value after the scan that runs at that time
        kWindow,  // expect 200ms..2s Y000.1=0: the value after every scan in the window
        kAlways,  // expect always Y000.1=0: after every scan of the run
        kNever,   // expect never Y000.1=1: after no scan of the run
        kRises,   // expect Y000.0 rises within 40ms after 16ms
        kFalls,   // expect Y000.0 falls within 40ms after 16ms
    };
    Kind kind = Kind::kAt;
    SimSignal signal;
    std::uint32_t value = 0;
    std::int64_t fromMs = 0;  // kAt: the time; kWindow: first time; kRises/kFalls: the event
    std::int64_t toMs = 0;    // kWindow: last time; kRises/kFalls: event + within
    std::string text;         // the line as written, without its comment
    int line = 0;             // 1-based line of the test file
};

// One named case of a test file: forces, initial values, stimulus events and expectations, run
// from a fresh start for runMs of simulated time.
struct LadderTestCase {
    std::string name;
    int line = 0;  // 1-based line of its "case" line
    std::vector<SignalAssignment> forces;
    std::vector<SignalAssignment> initial;
    Stimulus stimulus;
    std::vector<TestExpectation> expectations;
    std::int64_t runMs = 0;
};

}  // namespace rungpad
