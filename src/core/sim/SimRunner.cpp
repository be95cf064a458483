#include "sim/SimRunner.h"

#include "sim/ScanEngine.h"
#include "sim/SignalHistory.h"
#include "sim/SimTrace.h"
#include "sim/Stimulus.h"

namespace rungpad {

SimRunner::SimRunner(ScanEngine& engine, const Stimulus& stimulus, SimTrace& trace)
    : m_engine(engine), m_trace(&trace) {
    SetStimulus(&stimulus);
}

void SimRunner::SetStimulus(const Stimulus* stimulus) {
    m_stimulus = stimulus;
    m_stimulusStartMs = m_engine.TimeMs();
    m_next = 0;
}

bool SimRunner::Run(std::int64_t scans) {
    for (std::int64_t i = 0; i < scans; ++i) {
        const std::int64_t time = m_engine.TimeMs();
        if (m_stimulus) {
            m_next = m_stimulus->ApplyDue(time - m_stimulusStartMs, m_next, m_engine.Memory());
        }
        if (!m_engine.Scan()) {
            return false;
        }
        if (m_trace) {
            m_trace->Sample(time, m_engine.Memory());
        }
        if (m_history) {
            m_history->Sample(time, m_engine.Memory());
        }
    }
    return true;
}

}  // namespace rungpad
