#include "sim/SimRunner.h"

#include "sim/ScanEngine.h"
#include "sim/SimTrace.h"
#include "sim/Stimulus.h"

namespace rungpad {

bool SimRunner::Run(std::int64_t scans) {
    for (std::int64_t i = 0; i < scans; ++i) {
        const std::int64_t time = m_engine.TimeMs();
        m_next = m_stimulus.ApplyDue(time, m_next, m_engine.Memory());
        if (!m_engine.Scan()) {
            return false;
        }
        m_trace.Sample(time, m_engine.Memory());
    }
    return true;
}

}  // namespace rungpad
