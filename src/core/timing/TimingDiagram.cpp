#include "timing/TimingDiagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "model/Messages.h"
#include "sim/SignalHistory.h"

namespace rungpad {

namespace {

constexpr DiagramColor kBackground{255, 255, 255};
constexpr DiagramColor kStripe{244, 246, 249};
constexpr DiagramColor kRulerBackground{232, 235, 240};
constexpr DiagramColor kRulerText{40, 44, 52};
constexpr DiagramColor kTick{110, 116, 128};
constexpr DiagramColor kGrid{222, 226, 232};
constexpr DiagramColor kSeparator{190, 195, 204};
constexpr DiagramColor kName{20, 24, 32};
constexpr DiagramColor kNote{110, 116, 128};
constexpr DiagramColor kTrace{16, 88, 176};
constexpr DiagramColor kHighFill{214, 230, 250};
constexpr DiagramColor kBusText{24, 28, 36};
constexpr DiagramColor kForcedBand{255, 226, 186};
constexpr DiagramColor kForcedMark{222, 110, 0};
constexpr DiagramColor kCursor{208, 36, 36};
constexpr DiagramColor kCursorText{255, 255, 255};

constexpr double kTraceInset = 6;    // between a row's edges and its high and low levels
constexpr double kCrossing = 3;      // half the width of a bus segment's crossing
constexpr double kTextBaseline = 4;  // below a row's middle
constexpr double kMinTickPixels = 90;
constexpr double kMinEdgeGap = 3;  // pixels between steps drawn apart
// A bus's crossings drawn apart need their width and a few pixels of level between them, or
// they run into one another.
constexpr double kMinBusEdgeGap = 2 * kCrossing + 4;
constexpr double kLabelGap = 4;  // pixels between the cursor's label and a ruler label

// Text cut to at most width pixels of the diagram's font ("..." at the end when cut); CJK
// characters count twice.
std::string Fitted(const std::string& text, double width) {
    const auto columns =
        static_cast<std::size_t>(std::max(0.0, width / DiagramPainter::kCharWidth));
    std::size_t used = 0;
    std::size_t at = 0;
    std::size_t cut = 0;  // the end of what fits with "..." after it
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead < 0x80 ? 1 : (lead >= 0xF0 ? 4 : (lead >= 0xE0 ? 3 : 2));
        length = std::min(length, text.size() - at);
        const std::size_t wide = lead >= 0xE0 ? 2 : 1;
        if (used + wide + 3 <= columns) {
            cut = at + length;
        }
        if (used + wide > columns) {
            return text.substr(0, cut) + "...";
        }
        used += wide;
        at += length;
    }
    return text;
}

// std::floor for the pixel and millisecond values of the diagram (well inside the range of
// int64), without a library call.
double Floor(double value) {
    const auto whole = static_cast<double>(static_cast<std::int64_t>(value));
    return whole > value ? whole - 1 : whole;
}

// The last index of changes in [from, to] at or before timeMs, changes[from] being so. The
// search gallops from hint, where the answer is expected (a column holds about as many changes
// as the one before), then bisects: few reads, all near each other.
std::size_t LastAtOrBefore(const std::deque<HistoryChange>& changes, std::size_t from,
                           std::size_t to, std::int64_t timeMs, std::size_t hint) {
    std::size_t low = from;     // at or before timeMs
    std::size_t high = to + 1;  // after timeMs, or past the end
    const std::size_t at = std::clamp(hint, from, to);
    std::size_t step = 1;
    if (changes[at].timeMs <= timeMs) {
        low = at;
        while (step <= to - low && changes[low + step].timeMs <= timeMs) {
            low += step;
            step *= 2;
        }
        high = low + std::min(step, to - low + 1);
    } else {
        high = at;
        while (high - from > step && changes[high - step].timeMs > timeMs) {
            high -= step;
            step *= 2;
        }
        low = high - std::min(step, high - from);
    }
    while (high - low > 1) {
        const std::size_t middle = low + (high - low) / 2;
        (changes[middle].timeMs <= timeMs ? low : high) = middle;
    }
    return low;
}

// Adds a step after the others: one closer than gap columns to the last joins it as one dense
// step, drawn as a solid block, so a row costs a few calls however many changes it shows (and the
// eye could not tell those changes apart). Steps joined one by one or as runs of columns already
// joined come out the same.
template <typename Chains>
void Join(Chains& chains, const TraceChain& step, double gap) {
    if (!chains.empty() && static_cast<double>(step.first - chains.back().last) < gap) {
        chains.back().last = step.last;
        chains.back().after = step.after;
        chains.back().dense = true;
    } else {
        chains.push_back(step);
    }
}

}  // namespace

// A span of a row between two pixel positions, with the change in effect over it; a block is a
// run of columns that each hold several changes.
struct TimingDiagram::Span {
    double from = 0;
    double to = 0;
    HistoryChange change;
    bool block = false;
};

// The part of a row's changes the diagram shows.
struct TimingDiagram::ShownChanges {
    std::size_t first = 0;  // in effect at the left edge (or the first change, if later)
    std::size_t last = 0;   // the last one at or before the right end
    HistoryChange firstChange;
    double startX = 0;
    double endX = 0;
};

void TimingDiagram::SetRange(double fromMs, double toMs) {
    m_fromMs = fromMs;
    m_toMs = toMs > fromMs ? toMs : fromMs + 1;
    m_originMs = fromMs;
    m_gridMsPerPixel = 0;
    m_firstColumn = 0;
}

void TimingDiagram::SetGrid(double msPerPixel, std::int64_t firstColumn) {
    m_originMs = 0;
    m_gridMsPerPixel = msPerPixel > 0 ? msPerPixel : 1;
    m_firstColumn = firstColumn;
    m_fromMs = static_cast<double>(firstColumn) * m_gridMsPerPixel;
    m_toMs = m_fromMs + m_gridMsPerPixel * (PlotRight() - kPlotLeft);
}

void TimingDiagram::SetWidth(double width) {
    m_width = std::max(width, kPlotLeft + kMinPlotWidth + kRightMargin);
    if (m_gridMsPerPixel > 0) {
        SetGrid(m_gridMsPerPixel, m_firstColumn);
    }
}

void TimingDiagram::SetRows(std::size_t first, std::size_t count) {
    m_firstRow = first;
    m_rowCount = count;
}

std::size_t TimingDiagram::ShownRows() const {
    const std::size_t rows = m_history.RowCount();
    return m_firstRow >= rows ? 0 : std::min(m_rowCount, rows - m_firstRow);
}

double TimingDiagram::Height() const {
    return kRulerHeight + static_cast<double>(ShownRows()) * kRowHeight + 1;
}

double TimingDiagram::MsPerPixel() const {
    return m_gridMsPerPixel > 0 ? m_gridMsPerPixel
                                : (m_toMs - m_fromMs) / (PlotRight() - kPlotLeft);
}

double TimingDiagram::XOf(double timeMs) const {
    return kPlotLeft - static_cast<double>(m_firstColumn) + (timeMs - m_originMs) / MsPerPixel();
}

double TimingDiagram::TimeAt(double x) const {
    return m_originMs + (x - kPlotLeft + static_cast<double>(m_firstColumn)) * MsPerPixel();
}

std::int64_t TimingDiagram::ColumnOf(double timeMs) const {
    return static_cast<std::int64_t>(Floor((timeMs - m_originMs) / MsPerPixel()));
}

double TimingDiagram::ColumnX(std::int64_t column) const {
    return kPlotLeft + static_cast<double>(column - m_firstColumn) + 0.5;
}

std::optional<std::size_t> TimingDiagram::RowAt(double y) const {
    if (y < kRulerHeight) {
        return std::nullopt;
    }
    const auto shown = static_cast<std::size_t>((y - kRulerHeight) / kRowHeight);
    if (shown >= ShownRows()) {
        return std::nullopt;
    }
    return m_firstRow + shown;
}

std::int64_t TimingDiagram::ValueTime() const {
    if (m_cursorMs) {
        return *m_cursorMs;
    }
    return static_cast<std::int64_t>(
        std::floor(std::min(m_toMs, static_cast<double>(m_history.EndMs()))));
}

void TimingDiagram::Draw(DiagramPainter& painter) const {
    DrawRuler(painter);
    const std::size_t shown = ShownRows();
    const double bottom = Height() - 1;
    // Each pixel filled once: rows white and striped in turn, then the line below them.
    for (std::size_t i = 0; i < shown; ++i) {
        painter.FillRect(0, kRulerHeight + static_cast<double>(i) * kRowHeight, m_width, kRowHeight,
                         i % 2 == 1 ? kStripe : kBackground);
    }
    painter.FillRect(0, bottom, m_width, 1, kBackground);
    const std::int64_t step = TickStep(MsPerPixel(), kMinTickPixels);
    for (auto t = static_cast<std::int64_t>(std::ceil(m_fromMs / static_cast<double>(step))) * step;
         static_cast<double>(t) <= m_toMs; t += step) {
        const double x = ColumnX(ColumnOf(static_cast<double>(t)));
        const std::array<DiagramPoint, 2> line{{{x, kRulerHeight}, {x, bottom}}};
        painter.Polyline(line, kGrid);
    }
    for (std::size_t i = 0; i < shown; ++i) {
        DrawRow(painter, m_firstRow + i, kRulerHeight + static_cast<double>(i) * kRowHeight);
    }
    for (const double x : {kNameWidth - 0.5, kPlotLeft - 0.5}) {
        const std::array<DiagramPoint, 2> line{{{x, 0}, {x, bottom}}};
        painter.Polyline(line, kSeparator);
    }
    DrawCursor(painter);
}

void TimingDiagram::DrawRuler(DiagramPainter& painter) const {
    painter.BeginGroup("ruler");
    painter.FillRect(0, 0, m_width, kRulerHeight, kRulerBackground);
    painter.Text(6, 19, std::string(Messages::Text("Signal", m_language)), kRulerText,
                 DiagramPainter::Align::kLeft);
    painter.Text(
        kPlotLeft - 8, 19,
        m_cursorMs ? TimeText(*m_cursorMs) : std::string(Messages::Text("end", m_language)),
        kRulerText, DiagramPainter::Align::kRight);
    const std::int64_t step = TickStep(MsPerPixel(), kMinTickPixels);
    const std::int64_t minor = step % 5 == 0 ? step / 5 : step / 2;
    const std::int64_t each = std::max<std::int64_t>(minor, 1);
    for (auto t = static_cast<std::int64_t>(std::ceil(m_fromMs / static_cast<double>(each))) * each;
         static_cast<double>(t) <= m_toMs; t += each) {
        const double x = ColumnX(ColumnOf(static_cast<double>(t)));
        const bool major = t % step == 0;
        const std::array<DiagramPoint, 2> tick{
            {{x, kRulerHeight - (major ? 9 : 4)}, {x, kRulerHeight}}};
        painter.Polyline(tick, kTick);
        if (major) {
            DrawTickLabel(painter, x, TimeText(t));
        }
    }
    const std::array<DiagramPoint, 2> base{
        {{0, kRulerHeight - 0.5}, {m_width, kRulerHeight - 0.5}}};
    painter.Polyline(base, kSeparator);
    painter.EndGroup();
}

void TimingDiagram::DrawTickLabel(DiagramPainter& painter, double x,
                                  const std::string& label) const {
    // Centred on its tick; at the plot's edges beside it instead, so that it stays inside.
    const double width = static_cast<double>(label.size()) * DiagramPainter::kCharWidth;
    const double half = width / 2;
    double left = x - half;
    DiagramPainter::Align align = DiagramPainter::Align::kCenter;
    double at = x;
    if (x - half < kPlotLeft) {
        align = DiagramPainter::Align::kLeft;
        at = x + 3;
        left = at;
    } else if (x + half > m_width - 2) {
        align = DiagramPainter::Align::kRight;
        at = x - 3;
        left = at - width;
    }
    // The cursor's time label is read instead of the ones it would cover.
    if (const std::optional<LabelSpan> cursor = CursorLabel();
        cursor && left < cursor->right + kLabelGap && left + width > cursor->left - kLabelGap) {
        return;
    }
    painter.Text(at, 15, label, kRulerText, align);
}

void TimingDiagram::DrawRow(DiagramPainter& painter, std::size_t row, double top) const {
    const SignalHistory::Row& shown = m_history.RowAt(row);
    painter.BeginGroup("row-" + shown.signal.name);
    const double baseline = top + kRowHeight / 2 + kTextBaseline;
    painter.Text(6, baseline, shown.signal.name, kName, DiagramPainter::Align::kLeft);
    const double noteX =
        6 + (static_cast<double>(shown.signal.name.size()) + 1) * DiagramPainter::kCharWidth;
    if (!shown.note.empty()) {
        painter.Text(noteX, baseline, Fitted(shown.note, kNameWidth - 6 - noteX), kNote,
                     DiagramPainter::Align::kLeft);
    }
    const std::optional<HistoryChange> value = m_history.ValueAt(row, ValueTime());
    if (value) {
        painter.Text(kPlotLeft - 8, baseline, ValueText(value->value), kName,
                     DiagramPainter::Align::kRight);
        if (value->forced) {
            painter.Text(kNameWidth + 6, baseline, "F", kForcedMark, DiagramPainter::Align::kLeft);
        }
    }
    if (m_tracesShown) {
        DrawTrace(painter, row, top);
    }
    painter.EndGroup();
}

void TimingDiagram::DrawTrace(DiagramPainter& painter, std::size_t row, double top) const {
    const std::deque<HistoryChange>& changes = m_history.RowAt(row).changes;
    const double endMs = std::min(m_toMs, static_cast<double>(m_history.EndMs()));
    if (changes.empty() || endMs < m_fromMs) {
        return;
    }
    const auto floorMs = [](double ms) { return static_cast<std::int64_t>(std::floor(ms)); };
    const std::size_t after = m_history.FirstAfter(row, floorMs(m_fromMs));
    ShownChanges part;
    part.first = after > 0 ? after - 1 : 0;
    if (static_cast<double>(changes[part.first].timeMs) > endMs) {
        return;
    }
    part.last = m_history.FirstAfter(row, floorMs(endMs)) - 1;
    part.firstChange = changes[part.first];
    // (Never left of the plot, where the grid's arithmetic could put its left edge.)
    part.startX = std::max(
        kPlotLeft, XOf(std::max(m_fromMs, static_cast<double>(changes[part.first].timeMs))));
    part.endX = XOf(endMs);

    const double gap = m_history.RowAt(row).signal.IsBit() ? kMinEdgeGap : kMinBusEdgeGap;
    std::vector<TraceChain> chains;
    if (m_cache) {
        FindChainsKept(row, part, endMs, gap, chains);
    } else {
        std::vector<TraceColumn> columns;
        FindColumns(changes, part.first, part, endMs, INT64_MAX, columns);
        for (const TraceColumn& column : columns) {
            Join(chains, {column.column, column.column, column.last, column.several}, gap);
        }
    }
    std::vector<TraceEdge> edges;
    ToEdges(chains, edges);

    std::vector<Span> segments{{part.startX, part.endX, part.firstChange}};
    for (const TraceEdge& edge : edges) {
        segments.back().to = edge.x;
        if (edge.xEnd > edge.x) {
            segments.push_back({edge.x, edge.xEnd, edge.after, true});
        }
        segments.push_back({edge.xEnd, part.endX, edge.after});
    }
    DrawForces(painter, segments, top);
    if (m_history.RowAt(row).signal.IsBit()) {
        DrawBitTrace(painter, part, edges, segments, top);
    } else {
        DrawBusTrace(painter, part, edges, segments, top);
    }
}

std::size_t TimingDiagram::FindColumns(const std::deque<HistoryChange>& changes,
                                       std::size_t current, const ShownChanges& part, double endMs,
                                       std::int64_t stop, std::vector<TraceColumn>& columns) const {
    // The scale worked out once: the loop runs for every column.
    const double msPerPixel = MsPerPixel();
    std::size_t perColumn = 0;  // changes in the column before
    while (current < part.last) {
        const std::size_t next = current + 1;
        const std::int64_t column = ColumnOf(static_cast<double>(changes[next].timeMs));
        if (column >= stop) {
            break;
        }
        // The last change before the next column begins.
        const double nextColumnMs =
            std::min(m_originMs + static_cast<double>(column + 1) * msPerPixel, endMs + 1);
        const auto lastMs = static_cast<std::int64_t>(-Floor(-nextColumnMs)) - 1;
        const std::size_t last = LastAtOrBefore(changes, next, part.last, lastMs, next + perColumn);
        perColumn = last - next;
        columns.push_back({column, changes[last], last > next});
        current = last;
    }
    return current;
}

void TimingDiagram::FindChainsKept(std::size_t row, const ShownChanges& part, double endMs,
                                   double gap, std::vector<TraceChain>& chains) const {
    if (part.first >= part.last) {
        return;
    }
    const std::deque<HistoryChange>& changes = m_history.RowAt(row).changes;
    const double msPerPixel = MsPerPixel();
    std::vector<TraceColumn> columns;
    // The first column is found anew: the change in effect at the left edge may fall into it
    // without being one of the changes it shows.
    const std::int64_t first = ColumnOf(static_cast<double>(changes[part.first + 1].timeMs));
    std::size_t current = FindColumns(changes, part.first, part, endMs, first + 1, columns);
    for (const TraceColumn& column : columns) {
        Join(chains, {column.column, column.column, column.last, column.several}, gap);
    }
    // Columns before the one the shown range ends in hold all their changes.
    const std::int64_t end = ColumnOf(endMs);
    // The last time a change may have before a column begins.
    const auto lastMsBefore = [&](std::int64_t column) {
        const double begins = m_originMs + static_cast<double>(column) * msPerPixel;
        return static_cast<std::int64_t>(-Floor(-begins)) - 1;
    };
    const auto stillThere = [&](const HistoryChange& change) {
        const std::size_t after = m_history.FirstAfter(row, change.timeMs);
        return after > 0 && changes[after - 1].timeMs == change.timeMs &&
               changes[after - 1].value == change.value &&
               changes[after - 1].forced == change.forced;
    };
    TraceCache::Key key{m_history.RowAt(row).signal.name, m_originMs, msPerPixel};
    TraceCache::Entry* entry = m_cache->Find(row, key);
    if (!entry || entry->from > first + 1 || entry->to < first + 1 ||
        (entry->lastBefore && !stillThere(*entry->lastBefore))) {
        entry = &m_cache->Reset(row, std::move(key), first + 1);
    }
    // Only what lies from the left edge on is kept.
    while (!entry->columns.empty() && entry->columns.front().column <= first) {
        entry->columns.pop_front();
    }
    while (!entry->chains.empty() && entry->chains.front().last <= first) {
        entry->chains.pop_front();
    }
    entry->from = first + 1;

    // The kept steps up to the end; one cut by the left edge or the end begins or ends at the
    // kept columns there.
    const std::int64_t keptTo = std::min(entry->to, end);
    const auto columnAt = [&](std::int64_t column) {
        return std::lower_bound(
            entry->columns.begin(), entry->columns.end(), column,
            [](const TraceColumn& kept, std::int64_t at) { return kept.column < at; });
    };
    for (const TraceChain& chain : entry->chains) {
        if (chain.first >= keptTo) {
            break;
        }
        if (chain.first > first && chain.last < keptTo) {
            Join(chains, chain, gap);
            continue;
        }
        const auto from = columnAt(std::max(chain.first, first + 1));
        const auto to = columnAt(std::min(chain.last + 1, keptTo));
        if (from < to) {
            const TraceColumn& last = *(to - 1);
            Join(chains, {from->column, last.column, last.last, to - from > 1 || from->several},
                 gap);
        }
    }
    if (keptTo > first + 1) {
        const std::size_t after = m_history.FirstAfter(row, lastMsBefore(keptTo));
        current = std::clamp(after > 0 ? after - 1 : 0, current, part.last);
    }
    columns.clear();
    FindColumns(changes, current, part, endMs, INT64_MAX, columns);
    for (const TraceColumn& column : columns) {
        const TraceChain step{column.column, column.column, column.last, column.several};
        Join(chains, step, gap);
        if (end > entry->to && column.column >= entry->to && column.column < end) {
            entry->columns.push_back(column);
            Join(entry->chains, step, gap);
        }
    }
    if (end > entry->to) {
        entry->to = end;
        entry->lastBefore = m_history.ValueAt(row, lastMsBefore(end));
    }
}

void TimingDiagram::ToEdges(const std::vector<TraceChain>& chains,
                            std::vector<TraceEdge>& edges) const {
    edges.reserve(chains.size());
    for (const TraceChain& chain : chains) {
        edges.push_back({ColumnX(chain.first), ColumnX(chain.last), chain.after, chain.dense});
    }
}

void TimingDiagram::DrawForces(DiagramPainter& painter, const std::vector<Span>& segments,
                               double top) {
    // Forced spans, shaded and marked at their start.
    std::vector<Span> forced;
    for (const Span& segment : segments) {
        if (!segment.change.forced) {
            continue;
        }
        if (!forced.empty() && forced.back().to == segment.from) {
            forced.back().to = segment.to;
        } else {
            forced.push_back(segment);
        }
    }
    for (const Span& span : forced) {
        painter.FillRect(span.from, top + 1, span.to - span.from, kRowHeight - 2, kForcedBand);
        painter.FillRect(span.from, top + 1, 3, kRowHeight - 2, kForcedMark);
    }
}

void TimingDiagram::DrawBitTrace(DiagramPainter& painter, const ShownChanges& part,
                                 const std::vector<TraceEdge>& edges,
                                 const std::vector<Span>& segments, double top) {
    const double high = top + kTraceInset;
    const double low = top + kRowHeight - kTraceInset;
    for (const Span& segment : segments) {
        if (segment.block) {
            painter.FillRect(segment.from, high, segment.to - segment.from, low - high, kTrace);
        } else if (segment.change.value != 0) {
            painter.FillRect(segment.from, high, segment.to - segment.from, low - high, kHighFill);
        }
    }
    const auto level = [&](const HistoryChange& change) { return change.value != 0 ? high : low; };
    std::vector<DiagramPoint> points{{part.startX, level(part.firstChange)}};
    HistoryChange before = part.firstChange;
    for (const TraceEdge& edge : edges) {
        points.push_back({edge.x, level(before)});
        if (edge.dense) {
            points.insert(points.end(), {{edge.x, high}, {edge.x, low}, {edge.xEnd, low}});
        }
        points.push_back({edge.xEnd, level(edge.after)});
        before = edge.after;
    }
    points.push_back({part.endX, level(before)});
    painter.Polyline(points, kTrace);
}

void TimingDiagram::DrawBusTrace(DiagramPainter& painter, const ShownChanges& part,
                                 const std::vector<TraceEdge>& edges,
                                 const std::vector<Span>& segments, double top) {
    const double high = top + kTraceInset;
    const double low = top + kRowHeight - kTraceInset;
    const double middle = top + kRowHeight / 2;
    std::vector<DiagramPoint> upper{{part.startX, high}};
    std::vector<DiagramPoint> lower{{part.startX, low}};
    for (const TraceEdge& edge : edges) {
        // A crossing at the row's start begins there, not left of the plot.
        const double before = std::max(edge.x - kCrossing, part.startX);
        upper.insert(
            upper.end(),
            {{before, high}, {edge.x, middle}, {edge.xEnd, middle}, {edge.xEnd + kCrossing, high}});
        lower.insert(
            lower.end(),
            {{before, low}, {edge.x, middle}, {edge.xEnd, middle}, {edge.xEnd + kCrossing, low}});
    }
    upper.push_back({part.endX, high});
    lower.push_back({part.endX, low});
    painter.Polyline(upper, kTrace);
    painter.Polyline(lower, kTrace);
    for (const Span& segment : segments) {
        if (segment.block) {
            painter.FillRect(segment.from, high, segment.to - segment.from, low - high, kTrace);
            continue;
        }
        const std::string text = ValueText(segment.change.value);
        const double room = segment.to - segment.from - 2 * kCrossing;
        if (room >= static_cast<double>(text.size()) * DiagramPainter::kCharWidth + 2) {
            painter.Text((segment.from + segment.to) / 2, middle + kTextBaseline, text, kBusText,
                         DiagramPainter::Align::kCenter);
        }
    }
}

std::optional<double> TimingDiagram::CursorX() const {
    if (!m_cursorMs) {
        return std::nullopt;
    }
    const double x = ColumnX(ColumnOf(static_cast<double>(*m_cursorMs)));
    if (x < kPlotLeft || x > PlotRight()) {
        return std::nullopt;
    }
    return x;
}

std::optional<TimingDiagram::LabelSpan> TimingDiagram::CursorLabel() const {
    const std::optional<double> x = CursorX();
    if (!x) {
        return std::nullopt;
    }
    const double width =
        static_cast<double>(TimeText(*m_cursorMs).size()) * DiagramPainter::kCharWidth + 8;
    const double left = std::clamp(*x - width / 2, kPlotLeft, m_width - width);
    return LabelSpan{left, left + width};
}

void TimingDiagram::DrawCursor(DiagramPainter& painter) const {
    const std::optional<double> x = CursorX();
    const std::optional<LabelSpan> box = CursorLabel();
    if (!x || !box) {
        return;
    }
    painter.BeginGroup("cursor");
    const std::array<DiagramPoint, 2> line{{{*x, kRulerHeight - 12}, {*x, Height() - 1}}};
    painter.Polyline(line, kCursor);
    painter.FillRect(box->left, 2, box->right - box->left, 16, kCursor);
    painter.Text((box->left + box->right) / 2, 14, TimeText(*m_cursorMs), kCursorText,
                 DiagramPainter::Align::kCenter);
    painter.EndGroup();
}

std::string TimingDiagram::TimeText(std::int64_t ms) {
    if (ms == 0) {
        return "0";
    }
    const std::string sign = ms < 0 ? "-" : "";
    const std::uint64_t magnitude =
        ms < 0 ? 0 - static_cast<std::uint64_t>(ms) : static_cast<std::uint64_t>(ms);
    if (magnitude < 1000) {
        return sign + std::to_string(magnitude) + "ms";
    }
    std::string text = std::to_string(magnitude / 1000);
    std::string fraction = std::to_string(1000 + magnitude % 1000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return sign + text + (fraction.empty() ? "" : "." + fraction) + "s";
}

std::string TimingDiagram::ValueText(std::uint32_t value) {
    return std::to_string(value);
}

std::int64_t TimingDiagram::TickStep(double msPerPixel, double minPixels) {
    const double least = msPerPixel * minPixels;
    std::int64_t power = 1;
    for (int i = 0; i < 18; ++i) {
        for (const std::int64_t factor : {1, 2, 5}) {
            if (static_cast<double>(power * factor) >= least) {
                return power * factor;
            }
        }
        power *= 10;
    }
    return power;
}

}  // namespace rungpad
