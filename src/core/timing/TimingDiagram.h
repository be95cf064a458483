#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/Language.h"
#include "timing/DiagramPainter.h"
#include "timing/TraceCache.h"

namespace rungpad {

class SignalHistory;
struct HistoryChange;
struct SimSignal;

// The timing diagram of a signal history between two times, as a logic analyser shows it: a
// time ruler on top, then one row per signal with its address and note, its value at the cursor
// (at the right edge without one) and its trace: bits high or low, bytes and words as bus
// segments with their values, forced spans shaded and marked. The editor's dock, its exported
// images and rungpad-cli's SVG all draw through Draw.
//
// Drawing costs at most a few steps per pixel column of a row, however many changes it spans:
// changes that fall into one column are drawn as one.
class TimingDiagram {
  public:
    static constexpr double kRulerHeight = 30;
    static constexpr double kRowHeight = 28;
    static constexpr double kNameWidth = 180;
    static constexpr double kValueWidth = 90;
    static constexpr double kPlotLeft = kNameWidth + kValueWidth;
    static constexpr double kRightMargin = 14;
    static constexpr double kMinPlotWidth = 40;

    explicit TimingDiagram(const SignalHistory& history) : m_history(history) {}

    // The times at the plot's left and right edges (to after from).
    void SetRange(double fromMs, double toMs);
    // The plot's left edge on column firstColumn of a grid of msPerPixel-wide pixel columns from
    // time 0; its right edge follows from the width. A view that scrolls by whole columns draws
    // each time at the same place on the grid, and its TraceCache finds the same columns again.
    void SetGrid(double msPerPixel, std::int64_t firstColumn);
    double FromMs() const { return m_fromMs; }
    double ToMs() const { return m_toMs; }
    // The whole width in pixels, names and values included.
    // (After SetGrid: the range follows.)
    void SetWidth(double width);
    double Width() const { return m_width; }
    void SetCursor(std::optional<std::int64_t> cursorMs) { m_cursorMs = cursorMs; }
    // The language of the ruler's words on screen. Pictures written to files keep Original, so
    // a file reads the same whatever language the editor shows.
    void SetLanguage(Language language) { m_language = language; }
    std::optional<std::int64_t> Cursor() const { return m_cursorMs; }
    // Where the rows' steps are kept between drawings (none: found every time). The cache must
    // outlive the diagram's drawing; steps found anew are the same as those kept.
    void SetTraceCache(TraceCache* cache) { m_cache = cache; }
    // Without traces, Draw leaves the plot's rows as their background and grid (for a view that
    // keeps a picture of them).
    void SetTracesShown(bool shown) { m_tracesShown = shown; }
    // The rows drawn below the ruler: count rows from first (all rows from first by default).
    void SetRows(std::size_t first, std::size_t count = SIZE_MAX);
    std::size_t FirstRow() const { return m_firstRow; }
    // The rows drawn, after the first.
    std::size_t ShownRows() const;
    double Height() const;

    double PlotRight() const { return m_width - kRightMargin; }
    double MsPerPixel() const;
    double XOf(double timeMs) const;
    double TimeAt(double x) const;
    // The history's row at y, or none (the ruler, below the last row).
    std::optional<std::size_t> RowAt(double y) const;

    void Draw(DiagramPainter& painter) const;
    // The cursor's line and time label alone, last of what Draw draws.
    void DrawCursor(DiagramPainter& painter) const;

    // "0", "120ms", "1.5s", "2s".
    static std::string TimeText(std::int64_t ms);
    static std::string ValueText(std::uint32_t value);
    // The distance of the ruler's labelled ticks for a scale: 1, 2 or 5 times a power of ten ms,
    // at least minPixels apart.
    static std::int64_t TickStep(double msPerPixel, double minPixels);

  private:
    struct Span;
    struct ShownChanges;
    // A label's extent along the ruler.
    struct LabelSpan {
        double left = 0;
        double right = 0;
    };

    void DrawRuler(DiagramPainter& painter) const;
    void DrawTickLabel(DiagramPainter& painter, double x, const std::string& label) const;
    void DrawRow(DiagramPainter& painter, std::size_t row, double top) const;
    void DrawTrace(DiagramPainter& painter, std::size_t row, double top) const;
    // The grid column of a time, and the x of a column's centre.
    std::int64_t ColumnOf(double timeMs) const;
    double ColumnX(std::int64_t column) const;
    // The columns that hold the row's changes after current up to part.last (up to endMs), from
    // current on, into columns; stops before column stop and returns the change it got to.
    std::size_t FindColumns(const std::deque<HistoryChange>& changes, std::size_t current,
                            const ShownChanges& part, double endMs, std::int64_t stop,
                            std::vector<TraceColumn>& columns) const;
    // The steps of a row's trace (one a pixel column at most) through the cache: the first
    // column found anew, the kept steps after it, the new columns kept; steps closer than gap
    // columns joined.
    void FindChainsKept(std::size_t row, const ShownChanges& part, double endMs, double gap,
                        std::vector<TraceChain>& chains) const;
    // The steps into edges, at their places.
    void ToEdges(const std::vector<TraceChain>& chains, std::vector<TraceEdge>& edges) const;
    static void DrawForces(DiagramPainter& painter, const std::vector<Span>& segments, double top);
    static void DrawBitTrace(DiagramPainter& painter, const ShownChanges& part,
                             const std::vector<TraceEdge>& edges, const std::vector<Span>& segments,
                             double top);
    static void DrawBusTrace(DiagramPainter& painter, const ShownChanges& part,
                             const std::vector<TraceEdge>& edges, const std::vector<Span>& segments,
                             double top);
    // Where the cursor's line and its time label go, when the cursor is in sight.
    std::optional<double> CursorX() const;
    std::optional<LabelSpan> CursorLabel() const;
    // The time the value column shows.
    std::int64_t ValueTime() const;

    const SignalHistory& m_history;
    double m_fromMs = 0;
    double m_toMs = 1000;
    double m_width = 1200;
    // The grid of pixel columns: from m_originMs, m_gridMsPerPixel wide (0: the range's scale,
    // from its left edge), the plot's left edge on column m_firstColumn.
    double m_originMs = 0;
    double m_gridMsPerPixel = 0;
    std::int64_t m_firstColumn = 0;
    std::optional<std::int64_t> m_cursorMs;
    Language m_language = Language::Original;
    std::size_t m_firstRow = 0;
    std::size_t m_rowCount = SIZE_MAX;
    TraceCache* m_cache = nullptr;
    bool m_tracesShown = true;
};

}  // namespace rungpad
