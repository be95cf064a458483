#include "sim/SimTrace.h"

namespace rungpad {

SimTrace::SimTrace(std::vector<SimSignal> watched)
    : m_signals(std::move(watched)), m_values(m_signals.size()) {}

void SimTrace::Sample(std::int64_t timeMs, const SignalMemory& memory) {
    for (std::size_t i = 0; i < m_signals.size(); ++i) {
        const std::uint32_t value = m_signals[i].Read(memory);
        if (!m_sampled || value != m_values[i]) {
            m_values[i] = value;
            if (m_listener) {
                m_listener({timeMs, i, value});
            } else {
                m_changes.push_back({timeMs, i, value});
            }
        }
    }
    m_sampled = true;
}

std::string SimTrace::Text() const {
    std::string text;
    for (const TraceChange& change : m_changes) {
        text += Line(change);
    }
    return text;
}

std::string SimTrace::Line(const TraceChange& change) const {
    return std::to_string(change.timeMs) + "ms " + m_signals[change.signal].name + "=" +
           std::to_string(change.value) + "\n";
}

}  // namespace rungpad
