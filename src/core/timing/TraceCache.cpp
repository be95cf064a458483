#include "timing/TraceCache.h"

namespace rungpad {

TraceCache::Entry* TraceCache::Find(std::size_t row, const Key& key) {
    if (row >= m_rows.size() || !(m_rows[row].key == key)) {
        return nullptr;
    }
    return &m_rows[row];
}

TraceCache::Entry& TraceCache::Reset(std::size_t row, Key key, std::int64_t column) {
    if (row >= m_rows.size()) {
        m_rows.resize(row + 1);
    }
    m_rows[row] = Entry{std::move(key), column, column, {}, {}, std::nullopt};
    return m_rows[row];
}

}  // namespace rungpad
