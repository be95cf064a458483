#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "sim/SimSignal.h"

namespace rungpad {

class SignalMemory;

// One change of a signal in a history: from timeMs on it holds value, forced or not.
struct HistoryChange {
    std::int64_t timeMs = 0;
    std::uint32_t value = 0;
    bool forced = false;
};

// The changes of a set of signals over time, as the timing diagram shows them: a change is kept
// only when the value or its force differs from the one before, so a signal that holds costs
// nothing however long it holds. Memory stays bounded: a row keeps the changes of the last
// window (and the one in effect at its start) and never more than a fixed number of changes,
// dropping the oldest first.
class SignalHistory {
  public:
    struct Limits {
        std::int64_t windowMs = 0;  // 0: no window, only the count bounds a row
        std::size_t maxChanges = 0;
    };
    // Ten minutes of scans every 8 ms is 75 000 changes of a signal that changes every scan.
    static constexpr std::int64_t kLiveWindowMs = 10 * 60 * 1000;
    static constexpr std::size_t kMaxChanges = 1u << 17;
    static constexpr Limits kLive{kLiveWindowMs, kMaxChanges};

    struct Row {
        SimSignal signal;
        std::string note;  // UTF-8
        std::deque<HistoryChange> changes;
    };

    explicit SignalHistory(Limits limits = kLive);

    // The rows become the watched signals (with notes[i], when given): a signal kept by name keeps
    // its changes, a new one starts empty.
    void SetSignals(const std::vector<SimSignal>& watched, const std::vector<std::string>& notes);
    void AddRow(SimSignal signal, std::string note);
    // Forgets every change and the end; the rows stay.
    void Clear();

    // Row row holds value (forced or not) from timeMs on. Kept when it differs from the row's
    // last change, replacing a change at the same time; a time before the row's last change is
    // ignored, so time never runs back.
    void Record(std::size_t row, std::int64_t timeMs, std::uint32_t value, bool forced);
    // Every row's value and force in memory at timeMs; the end moves to timeMs.
    void Sample(std::int64_t timeMs, const SignalMemory& memory);
    // Values are known up to timeMs (never moves back).
    void SetEnd(std::int64_t timeMs);

    std::size_t RowCount() const { return m_rows.size(); }
    const Row& RowAt(std::size_t row) const { return m_rows.at(row); }
    const std::vector<Row>& Rows() const { return m_rows; }
    bool IsEmpty() const;
    // The earliest time any row knows its value (0 for an empty history).
    std::int64_t StartMs() const;
    // The latest time the values are known for (the last sample, or the end a trace gives).
    std::int64_t EndMs() const { return m_endMs; }

    // The change in effect at timeMs in row (the last one at or before it); none before the
    // row's first change or for a row outside the table.
    std::optional<HistoryChange> ValueAt(std::size_t row, std::int64_t timeMs) const;
    // The index of the first change of row after timeMs (the row's size when none is).
    std::size_t FirstAfter(std::size_t row, std::int64_t timeMs) const;
    // What the changes take, in bytes.
    std::size_t ChangeBytes() const;
    // How many changes the limits dropped so far.
    std::uint64_t DroppedChanges() const { return m_dropped; }
    // Counts every change to the history (rows, changes, end): a view that saw this number
    // has nothing new to show while it stays.
    std::uint64_t Revision() const { return m_revision; }

  private:
    void Trim(Row& row);

    Limits m_limits;
    std::vector<Row> m_rows;
    std::int64_t m_endMs = 0;
    std::uint64_t m_dropped = 0;
    std::uint64_t m_revision = 0;
};

}  // namespace rungpad
