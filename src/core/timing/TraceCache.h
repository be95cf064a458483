#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "sim/SignalHistory.h"

namespace rungpad {

// One step of a row's trace: a pixel column with one change, or adjacent columns (x to xEnd)
// that each hold several (dense), and the change in effect after it.
struct TraceEdge {
    double x = 0;
    double xEnd = 0;
    HistoryChange after;
    bool dense = false;
};

// A pixel column of a row's trace that holds changes: the last of them, and whether there are
// several. Columns are counted on a grid fixed in time, so that they stay the same while the
// plot scrolls by whole columns.
struct TraceColumn {
    std::int64_t column = 0;
    HistoryChange last;
    bool several = false;
};

// Columns of a row's trace fewer than a few pixels apart, drawn as one step (first to last).
struct TraceChain {
    std::int64_t first = 0;
    std::int64_t last = 0;
    HistoryChange after;
    bool dense = false;
};

// The columns of each row's trace as a timing diagram last found them, for a view that draws
// the same rows again (a cursor dragged, a window uncovered) or follows a live run: finding them
// reads every change shown, keeping them costs a few steps a column, and a run that goes on only
// adds the columns of its new changes. A row's columns are kept while the grid and the signal
// stay and their last change is still in the row (a row only grows at its end, where its last
// change may be replaced, and is cut at its start). Only the columns from the plot's left edge
// on are kept: memory stays bounded by the rows times the pixel columns.
class TraceCache {
  public:
    struct Key {
        std::string signal;
        double originMs = 0;
        double msPerPixel = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct Entry {
        Key key;
        // Every column in [from, to) that holds changes of the row.
        std::int64_t from = 0;
        std::int64_t to = 0;
        std::deque<TraceColumn> columns;
        // The same columns joined into steps.
        std::deque<TraceChain> chains;
        // The change in effect where column to begins: while the row still holds it, the
        // columns before are the same.
        std::optional<HistoryChange> lastBefore;
    };

    // The row's columns kept under key, or none.
    Entry* Find(std::size_t row, const Key& key);
    // The row's columns kept anew: none yet, from column on.
    Entry& Reset(std::size_t row, Key key, std::int64_t column);
    void Clear() { m_rows.clear(); }

  private:
    std::vector<Entry> m_rows;
};

}  // namespace rungpad
