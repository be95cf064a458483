#pragma once

#include <cstdint>

namespace rungpad {

class ScanEngine;
class SignalHistory;
class SimTrace;
class Stimulus;

// Runs a loaded engine scan by scan: before each scan the stimulus events due at its time are
// written, after it the trace samples the watched signals, stamped with the scan's time. Both
// are optional, so the command line and the editor's monitor run scans the same way.
class SimRunner {
  public:
    explicit SimRunner(ScanEngine& engine) : m_engine(engine) {}
    SimRunner(ScanEngine& engine, const Stimulus& stimulus, SimTrace& trace);

    // Plays stimulus from the engine's current time on: its event times count from there.
    // nullptr stops playing. The stimulus must outlive its playing.
    void SetStimulus(const Stimulus* stimulus);
    // Samples into trace after every scan; nullptr stops sampling.
    void SetTrace(SimTrace* trace) { m_trace = trace; }
    // Samples into history as well (the timing diagram's); nullptr stops it.
    void SetHistory(SignalHistory* history) { m_history = history; }
    const Stimulus* PlayingStimulus() const { return m_stimulus; }

    // False when the engine stopped (its StopMessage says why).
    bool Run(std::int64_t scans);

  private:
    ScanEngine& m_engine;
    const Stimulus* m_stimulus = nullptr;
    SimTrace* m_trace = nullptr;
    SignalHistory* m_history = nullptr;
    std::int64_t m_stimulusStartMs = 0;
    std::size_t m_next = 0;
};

}  // namespace rungpad
