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

}  // namespace

// A span of a row between two pixel positions, with the change in effect over it; a block is a
// run of columns that each hold several changes.
struct TimingDiagram::Span {
    double from = 0;
    double to = 0;
    std::size_t change = 0;
    bool block = false;
};

// The part of a row's changes the diagram shows.
struct TimingDiagram::ShownChanges {
    std::size_t first = 0;  // in effect at the left edge (or the first change, if later)
    std::size_t last = 0;   // the last one at or before the right end
    double startX = 0;
    double endX = 0;
};

void TimingDiagram::SetRange(double fromMs, double toMs) {
    m_fromMs = fromMs;
    m_toMs = toMs > fromMs ? toMs : fromMs + 1;
}

void TimingDiagram::SetWidth(double width) {
    m_width = std::max(width, kPlotLeft + kMinPlotWidth + kRightMargin);
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
    return (m_toMs - m_fromMs) / (PlotRight() - kPlotLeft);
}

double TimingDiagram::XOf(double timeMs) const {
    return kPlotLeft + (timeMs - m_fromMs) / MsPerPixel();
}

double TimingDiagram::TimeAt(double x) const {
    return m_fromMs + (x - kPlotLeft) * MsPerPixel();
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
        const double x = std::floor(XOf(static_cast<double>(t))) + 0.5;
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
        const double x = std::floor(XOf(static_cast<double>(t))) + 0.5;
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
    const double half = static_cast<double>(label.size()) * DiagramPainter::kCharWidth / 2;
    if (x - half < kPlotLeft) {
        painter.Text(x + 3, 15, label, kRulerText, DiagramPainter::Align::kLeft);
    } else if (x + half > m_width - 2) {
        painter.Text(x - 3, 15, label, kRulerText, DiagramPainter::Align::kRight);
    } else {
        painter.Text(x, 15, label, kRulerText, DiagramPainter::Align::kCenter);
    }
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
    DrawTrace(painter, row, top);
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
    part.startX = XOf(std::max(m_fromMs, static_cast<double>(changes[part.first].timeMs)));
    part.endX = XOf(endMs);

    std::vector<TraceEdge> found;
    const std::vector<TraceEdge>* edgesOf = &found;
    if (m_cache) {
        TraceCache::Key key = TraceCache::KeyOf(m_history.RowAt(row).signal.name, changes, m_fromMs,
                                                endMs, MsPerPixel());
        if (const TraceCache::Entry* kept = m_cache->Find(row, key)) {
            edgesOf = &kept->edges;
        } else {
            FindEdges(changes, part, endMs, found);
            edgesOf = &m_cache->Store(row, std::move(key), std::move(found)).edges;
        }
    } else {
        FindEdges(changes, part, endMs, found);
    }
    const std::vector<TraceEdge>& edges = *edgesOf;

    std::vector<Span> segments{{part.startX, part.endX, part.first}};
    for (const TraceEdge& edge : edges) {
        segments.back().to = edge.x;
        if (edge.xEnd > edge.x) {
            segments.push_back({edge.x, edge.xEnd, edge.change, true});
        }
        segments.push_back({edge.xEnd, part.endX, edge.change});
    }
    DrawForces(painter, changes, segments, top);
    if (m_history.RowAt(row).signal.IsBit()) {
        DrawBitTrace(painter, changes, part, edges, segments, top);
    } else {
        DrawBusTrace(painter, changes, part, edges, segments, top);
    }
}

void TimingDiagram::FindEdges(const std::deque<HistoryChange>& changes, const ShownChanges& part,
                              double endMs, std::vector<TraceEdge>& edges) const {
    // One step per pixel column that holds changes; steps closer than kMinEdgeGap make one
    // dense step, drawn as a solid block, so a row costs a few calls however many changes it
    // shows (and the eye could not tell those changes apart).
    // XOf and TimeAt with the scale worked out once: the loop runs for every column.
    const double msPerPixel = MsPerPixel();
    std::size_t perColumn = 0;  // changes in the column before
    for (std::size_t current = part.first; current < part.last;) {
        const std::size_t next = current + 1;
        const double column =
            Floor(kPlotLeft + (static_cast<double>(changes[next].timeMs) - m_fromMs) / msPerPixel);
        // The last change before the next column begins.
        const double nextColumnMs =
            std::min(m_fromMs + (column + 1 - kPlotLeft) * msPerPixel, endMs + 1);
        const auto lastMs = static_cast<std::int64_t>(-Floor(-nextColumnMs)) - 1;
        const std::size_t last = LastAtOrBefore(changes, next, part.last, lastMs, next + perColumn);
        perColumn = last - next;
        const double x = column + 0.5;
        if (!edges.empty() && x - edges.back().xEnd < kMinEdgeGap) {
            edges.back().xEnd = x;
            edges.back().change = last;
            edges.back().dense = true;
        } else {
            edges.push_back({x, x, last, last > next});
        }
        current = last;
    }
}

void TimingDiagram::DrawForces(DiagramPainter& painter, const std::deque<HistoryChange>& changes,
                               const std::vector<Span>& segments, double top) {
    // Forced spans, shaded and marked at their start.
    std::vector<Span> forced;
    for (const Span& segment : segments) {
        if (!changes[segment.change].forced) {
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

void TimingDiagram::DrawBitTrace(DiagramPainter& painter, const std::deque<HistoryChange>& changes,
                                 const ShownChanges& part, const std::vector<TraceEdge>& edges,
                                 const std::vector<Span>& segments, double top) {
    const double high = top + kTraceInset;
    const double low = top + kRowHeight - kTraceInset;
    for (const Span& segment : segments) {
        if (segment.block) {
            painter.FillRect(segment.from, high, segment.to - segment.from, low - high, kTrace);
        } else if (changes[segment.change].value != 0) {
            painter.FillRect(segment.from, high, segment.to - segment.from, low - high, kHighFill);
        }
    }
    const auto level = [&](std::size_t i) { return changes[i].value != 0 ? high : low; };
    std::vector<DiagramPoint> points{{part.startX, level(part.first)}};
    std::size_t before = part.first;
    for (const TraceEdge& edge : edges) {
        points.push_back({edge.x, level(before)});
        if (edge.dense) {
            points.insert(points.end(), {{edge.x, high}, {edge.x, low}, {edge.xEnd, low}});
        }
        points.push_back({edge.xEnd, level(edge.change)});
        before = edge.change;
    }
    points.push_back({part.endX, level(before)});
    painter.Polyline(points, kTrace);
}

void TimingDiagram::DrawBusTrace(DiagramPainter& painter, const std::deque<HistoryChange>& changes,
                                 const ShownChanges& part, const std::vector<TraceEdge>& edges,
                                 const std::vector<Span>& segments, double top) {
    const double high = top + kTraceInset;
    const double low = top + kRowHeight - kTraceInset;
    const double middle = top + kRowHeight / 2;
    std::vector<DiagramPoint> upper{{part.startX, high}};
    std::vector<DiagramPoint> lower{{part.startX, low}};
    for (const TraceEdge& edge : edges) {
        upper.insert(upper.end(), {{edge.x - kCrossing, high},
                                   {edge.x, middle},
                                   {edge.xEnd, middle},
                                   {edge.xEnd + kCrossing, high}});
        lower.insert(lower.end(), {{edge.x - kCrossing, low},
                                   {edge.x, middle},
                                   {edge.xEnd, middle},
                                   {edge.xEnd + kCrossing, low}});
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
        const std::string text = ValueText(changes[segment.change].value);
        const double room = segment.to - segment.from - 2 * kCrossing;
        if (room >= static_cast<double>(text.size()) * DiagramPainter::kCharWidth + 2) {
            painter.Text((segment.from + segment.to) / 2, middle + kTextBaseline, text, kBusText,
                         DiagramPainter::Align::kCenter);
        }
    }
}

void TimingDiagram::DrawCursor(DiagramPainter& painter) const {
    if (!m_cursorMs) {
        return;
    }
    const double x = std::floor(XOf(static_cast<double>(*m_cursorMs))) + 0.5;
    if (x < kPlotLeft || x > PlotRight()) {
        return;
    }
    painter.BeginGroup("cursor");
    const std::array<DiagramPoint, 2> line{{{x, kRulerHeight - 12}, {x, Height() - 1}}};
    painter.Polyline(line, kCursor);
    const std::string label = TimeText(*m_cursorMs);
    const double width = static_cast<double>(label.size()) * DiagramPainter::kCharWidth + 8;
    const double left = std::clamp(x - width / 2, kPlotLeft, m_width - width);
    painter.FillRect(left, 2, width, 16, kCursor);
    painter.Text(left + width / 2, 14, label, kCursorText, DiagramPainter::Align::kCenter);
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
