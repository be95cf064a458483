#include "timing/TraceCache.h"

#include "sim/SignalHistory.h"

namespace rungpad {

TraceCache::Key TraceCache::KeyOf(const std::string& signal,
                                  const std::deque<HistoryChange>& changes, double fromMs,
                                  double endMs, double msPerPixel) {
    Key key{signal, fromMs, endMs, msPerPixel, changes.size()};
    if (!changes.empty()) {
        key.firstMs = changes.front().timeMs;
        key.lastMs = changes.back().timeMs;
        key.lastValue = changes.back().value;
        key.lastForced = changes.back().forced;
    }
    return key;
}

const TraceCache::Entry* TraceCache::Find(std::size_t row, const Key& key) const {
    if (row >= m_rows.size() || !(m_rows[row].key == key)) {
        return nullptr;
    }
    return &m_rows[row];
}

const TraceCache::Entry& TraceCache::Store(std::size_t row, Key key, std::vector<TraceEdge> edges) {
    if (row >= m_rows.size()) {
        m_rows.resize(row + 1);
    }
    m_rows[row] = Entry{std::move(key), std::move(edges)};
    return m_rows[row];
}

}  // namespace rungpad
