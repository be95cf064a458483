#pragma once

#include <cstdint>

namespace rungpad {

class ScanEngine;
class SimTrace;
class Stimulus;

// Runs a loaded engine for a number of scans: before each scan the stimulus events due at its
// time are written, after it the trace samples the watched signals, stamped with the scan's time.
class SimRunner {
  public:
    SimRunner(ScanEngine& engine, const Stimulus& stimulus, SimTrace& trace)
        : m_engine(engine), m_stimulus(stimulus), m_trace(trace) {}

    // False when the engine stopped (its StopMessage says why).
    bool Run(std::int64_t scans);

  private:
    ScanEngine& m_engine;
    const Stimulus& m_stimulus;
    SimTrace& m_trace;
    std::size_t m_next = 0;
};

}  // namespace rungpad
