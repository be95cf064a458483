#pragma once

#include <cstdint>
#include <vector>

namespace rungpad {

// When a modified document's recovery copy is due, checked on a regular tick: once its content
// has stayed the same for a whole tick after a change (a few seconds after the last edit), and
// at the latest every kMaxInterval seconds while edits go on. An unchanged content is never
// written again.
class RecoverySchedule {
  public:
    static constexpr double kMaxInterval = 30.0;

    // Whether the copy of content is to be written at time now (seconds); remembers content.
    bool Due(const std::vector<std::uint8_t>& content, double now);
    // The copy of content was written at time now.
    void Written(const std::vector<std::uint8_t>& content, double now);
    // The copy was removed (the document was saved): the next change starts afresh.
    void Forget();

  private:
    std::vector<std::uint8_t> m_lastSeen;
    std::vector<std::uint8_t> m_written;
    bool m_hasWritten = false;
    double m_writtenAt = 0.0;
    double m_changedSince = -1.0;  // when the first unwritten change was seen, -1 when none
};

}  // namespace rungpad
