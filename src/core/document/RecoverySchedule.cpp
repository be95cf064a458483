#include "document/RecoverySchedule.h"

namespace rungpad {

bool RecoverySchedule::Due(const std::vector<std::uint8_t>& content, double now) {
    if (m_hasWritten && content == m_written) {
        m_lastSeen = content;
        m_changedSince = -1.0;
        return false;
    }
    if (m_changedSince < 0.0) {
        m_changedSince = now;
    }
    const bool settled = content == m_lastSeen;
    m_lastSeen = content;
    const double since = m_hasWritten ? m_writtenAt : m_changedSince;
    return settled || now - since >= kMaxInterval;
}

void RecoverySchedule::Written(const std::vector<std::uint8_t>& content, double now) {
    m_written = content;
    m_hasWritten = true;
    m_writtenAt = now;
    m_changedSince = -1.0;
}

void RecoverySchedule::Forget() {
    m_lastSeen.clear();
    m_written.clear();
    m_hasWritten = false;
    m_changedSince = -1.0;
}

}  // namespace rungpad
