#pragma once

#include <cstdint>
#include <functional>
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
// value, later samples only those that changed. Changes are kept, or, with a listener, handed to
// it as they happen and not kept, so that a run of any length needs no more memory.
class SimTrace {
  public:
    using Listener = std::function<void(const TraceChange&)>;

    explicit SimTrace(std::vector<SimSignal> watched);

    void SetListener(Listener listener) { m_listener = std::move(listener); }
    void Sample(std::int64_t timeMs, const SignalMemory& memory);

    const std::vector<SimSignal>& Signals() const { return m_signals; }
    const std::vector<TraceChange>& Changes() const { return m_changes; }
    // One line per change: "TIME SIGNAL=VALUE", e.g. "120ms Y000.0=1".
    std::string Text() const;
    // The line of one change, with its line feed.
    std::string Line(const TraceChange& change) const;

  private:
    std::vector<SimSignal> m_signals;
    std::vector<std::uint32_t> m_values;
    std::vector<TraceChange> m_changes;
    Listener m_listener;
    bool m_sampled = false;
};

}  // namespace rungpad
