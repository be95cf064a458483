#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/SimSignal.h"

namespace rungpad {

class SignalMemory;

struct TraceChange {
    std::int64_t timeMs = 0;
    std::size_t signal = 0;  // index into the watched signals
    std::uint32_t value = 0;
};

// The watched signals of a run and every change of their values: the first sample records every
// value, later samples only those that changed.
class SimTrace {
  public:
    explicit SimTrace(std::vector<SimSignal> watched);

    void Sample(std::int64_t timeMs, const SignalMemory& memory);

    const std::vector<SimSignal>& Signals() const { return m_signals; }
    const std::vector<TraceChange>& Changes() const { return m_changes; }
    // One line per change: "TIME SIGNAL=VALUE", e.g. "120ms Y000.0=1".
    std::string Text() const;

  private:
    std::vector<SimSignal> m_signals;
    std::vector<std::uint32_t> m_values;
    std::vector<TraceChange> m_changes;
    bool m_sampled = false;
};

}  // namespace rungpad
