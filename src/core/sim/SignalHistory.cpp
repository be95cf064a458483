#include "sim/SignalHistory.h"

#include <algorithm>

namespace rungpad {

SignalHistory::SignalHistory(Limits limits) : m_limits(limits) {
    m_limits.maxChanges = std::max<std::size_t>(m_limits.maxChanges, 1);
}

void SignalHistory::SetSignals(const std::vector<SimSignal>& watched,
                               const std::vector<std::string>& notes) {
    std::vector<Row> rows;
    rows.reserve(watched.size());
    for (std::size_t i = 0; i < watched.size(); ++i) {
        const auto kept = std::find_if(m_rows.begin(), m_rows.end(), [&](const Row& row) {
            return row.signal.name == watched[i].name;
        });
        Row row = kept != m_rows.end() ? std::move(*kept) : Row{watched[i], {}, {}};
        row.note = i < notes.size() ? notes[i] : std::string();
        rows.push_back(std::move(row));
    }
    m_rows = std::move(rows);
    ++m_revision;
}

void SignalHistory::AddRow(SimSignal signal, std::string note) {
    m_rows.push_back({std::move(signal), std::move(note), {}});
    ++m_revision;
}

void SignalHistory::Clear() {
    for (Row& row : m_rows) {
        row.changes.clear();
    }
    m_endMs = 0;
    m_dropped = 0;
    ++m_revision;
}

void SignalHistory::Record(std::size_t row, std::int64_t timeMs, std::uint32_t value, bool forced) {
    if (row >= m_rows.size()) {
        return;
    }
    Row& target = m_rows[row];
    std::deque<HistoryChange>& changes = target.changes;
    if (!changes.empty()) {
        const HistoryChange& last = changes.back();
        if (timeMs < last.timeMs || (last.value == value && last.forced == forced)) {
            return;
        }
        // A later value at the same time replaces the earlier one (the display samples between
        // scans at the time the next scan runs at); one that returns to the value before
        // leaves no change at all.
        if (last.timeMs == timeMs) {
            ++m_revision;
            changes.pop_back();
            if (!changes.empty() && changes.back().value == value &&
                changes.back().forced == forced) {
                SetEnd(timeMs);
                return;
            }
        }
    }
    changes.push_back({timeMs, value, forced});
    ++m_revision;
    Trim(target);
    SetEnd(timeMs);
}

void SignalHistory::Sample(std::int64_t timeMs, const SignalMemory& memory) {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const SimSignal& signal = m_rows[i].signal;
        Record(i, timeMs, signal.Read(memory), signal.IsForced(memory));
    }
    SetEnd(timeMs);
}

void SignalHistory::SetEnd(std::int64_t timeMs) {
    if (timeMs > m_endMs) {
        m_endMs = timeMs;
        ++m_revision;
    }
}

void SignalHistory::Trim(Row& row) {
    std::deque<HistoryChange>& changes = row.changes;
    while (changes.size() > m_limits.maxChanges) {
        changes.pop_front();
        ++m_dropped;
    }
    if (m_limits.windowMs <= 0) {
        return;
    }
    // The change in effect at the window's start stays: it gives the value there.
    const std::int64_t start = changes.back().timeMs - m_limits.windowMs;
    while (changes.size() > 1 && changes[1].timeMs <= start) {
        changes.pop_front();
        ++m_dropped;
    }
}

bool SignalHistory::IsEmpty() const {
    return std::all_of(m_rows.begin(), m_rows.end(),
                       [](const Row& row) { return row.changes.empty(); });
}

std::int64_t SignalHistory::StartMs() const {
    std::optional<std::int64_t> start;
    for (const Row& row : m_rows) {
        if (!row.changes.empty()) {
            start =
                std::min(start.value_or(row.changes.front().timeMs), row.changes.front().timeMs);
        }
    }
    // A row whose window moved on starts later than the others: the oldest kept time counts.
    if (m_limits.windowMs > 0 && start) {
        start = std::max(*start, m_endMs - m_limits.windowMs);
    }
    return std::min(start.value_or(0), m_endMs);
}

std::optional<HistoryChange> SignalHistory::ValueAt(std::size_t row, std::int64_t timeMs) const {
    if (row >= m_rows.size()) {
        return std::nullopt;
    }
    const std::size_t after = FirstAfter(row, timeMs);
    if (after == 0) {
        return std::nullopt;
    }
    return m_rows[row].changes[after - 1];
}

std::size_t SignalHistory::FirstAfter(std::size_t row, std::int64_t timeMs) const {
    if (row >= m_rows.size()) {
        return 0;
    }
    const std::deque<HistoryChange>& changes = m_rows[row].changes;
    const auto it = std::upper_bound(
        changes.begin(), changes.end(), timeMs,
        [](std::int64_t time, const HistoryChange& change) { return time < change.timeMs; });
    return static_cast<std::size_t>(it - changes.begin());
}

std::size_t SignalHistory::ChangeBytes() const {
    std::size_t count = 0;
    for (const Row& row : m_rows) {
        count += row.changes.size();
    }
    return count * sizeof(HistoryChange);
}

}  // namespace rungpad
