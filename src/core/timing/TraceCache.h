#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace rungpad {

struct HistoryChange;

// One step of a row's trace: a pixel column with one change, or adjacent columns (x to xEnd)
// that each hold several (dense), and the change in effect after it.
struct TraceEdge {
    double x = 0;
    double xEnd = 0;
    std::size_t change = 0;
    bool dense = false;
};

// The steps of each row's trace as a timing diagram last found them, for a view that draws the
// same rows again (a cursor dragged, a window uncovered, the simulation paused): finding them
// reads every pixel column of every row. A row's steps are reused while its range and scale
// stay and its changes are the same ones (a row only grows at its end and is cut at its start,
// so its size and its first and last change tell). One entry a row: memory stays bounded by
// the rows times the pixel columns.
class TraceCache {
  public:
    struct Key {
        std::string signal;
        double fromMs = 0;
        double endMs = 0;
        double msPerPixel = 0;
        std::size_t changes = 0;
        std::int64_t firstMs = 0;
        std::int64_t lastMs = 0;
        std::uint32_t lastValue = 0;
        bool lastForced = false;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct Entry {
        Key key;
        std::vector<TraceEdge> edges;
    };

    // The key of a row's steps over a range.
    static Key KeyOf(const std::string& signal, const std::deque<HistoryChange>& changes,
                     double fromMs, double endMs, double msPerPixel);
    // The row's steps found under key, or none.
    const Entry* Find(std::size_t row, const Key& key) const;
    // Keeps a row's steps (replacing what it held for the row).
    const Entry& Store(std::size_t row, Key key, std::vector<TraceEdge> edges);
    void Clear() { m_rows.clear(); }

  private:
    std::vector<Entry> m_rows;
};

}  // namespace rungpad
