#include "shell/monitor/TimingDiagramView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "model/Messages.h"
#include "shell/monitor/QtDiagramPainter.h"
#include "sim/SignalHistory.h"

namespace rungpad {

namespace {

constexpr double kMaxScrollUnits = 1e9;  // a scroll bar counts in int
constexpr double kWheelStep = 120;       // angle delta of one wheel notch

}  // namespace

CTimingDiagramView::CTimingDiagramView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("TimingDiagramView"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The diagram paints every pixel it covers; the rest is filled in paintEvent.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(false);
    setMinimumHeight(static_cast<int>(TimingDiagram::kRulerHeight + 2 * TimingDiagram::kRowHeight));
}

void CTimingDiagramView::SetHistory(const SignalHistory* history, bool live) {
    m_history = history;
    m_live = live;
    m_traceCache.Clear();
    m_pictureKey = {};
    m_picture = QImage();
    m_cursorMs.reset();
    m_msPerPixel = kDefaultMsPerPixel;
    m_fromMs = StartMs();
    m_fitWhole = false;
    verticalScrollBar()->setValue(0);
    const bool following = m_following;
    m_following = live;
    if (!live) {
        FitAll();
    }
    ShowRange();
    if (following != m_following) {
        emit FollowingChanged(m_following);
    }
    emit CursorChanged();
}

void CTimingDiagramView::HistoryChanged() {
    ShowRange();
    if (m_cursorMs) {
        emit CursorChanged();  // a row may have come or gone
    }
}

double CTimingDiagramView::PlotWidth() const {
    const double width = std::max(
        static_cast<double>(viewport()->width()),
        TimingDiagram::kPlotLeft + TimingDiagram::kMinPlotWidth + TimingDiagram::kRightMargin);
    return width - TimingDiagram::kPlotLeft - TimingDiagram::kRightMargin;
}

double CTimingDiagramView::StartMs() const {
    return m_history ? static_cast<double>(m_history->StartMs()) : 0;
}

double CTimingDiagramView::EndMs() const {
    return m_history ? static_cast<double>(m_history->EndMs()) : 0;
}

double CTimingDiagramView::MaxMsPerPixel() const {
    return std::max((EndMs() - StartMs()) / PlotWidth(), kDefaultMsPerPixel);
}

int CTimingDiagramView::VisibleRows() const {
    const double rows =
        (viewport()->height() - TimingDiagram::kRulerHeight) / TimingDiagram::kRowHeight;
    return std::max(1, static_cast<int>(rows));
}

double CTimingDiagramView::LastFromMs() const {
    return std::max(StartMs(), EndMs() - m_msPerPixel * PlotWidth());
}

void CTimingDiagramView::ClampRange() {
    m_fromMs = m_following ? LastFromMs() : std::clamp(m_fromMs, StartMs(), LastFromMs());
    if (OnGrid()) {
        // Whole pixel columns at a time, the end in the last: a repaint then finds the columns
        // it drew before at their places.
        m_fromMs = std::ceil(m_fromMs / m_msPerPixel) * m_msPerPixel;
    }
}

bool CTimingDiagramView::OnGrid() const {
    return m_following;
}

void CTimingDiagramView::ShowRange() {
    ClampRange();
    UpdateScrollBars();
    viewport()->update();
    emit RangeChanged();
}

void CTimingDiagramView::UpdateScrollBars() {
    m_settingScrollBars = true;
    const double pixels = (LastFromMs() - StartMs()) / m_msPerPixel;
    m_scrollScale = std::max(1.0, std::ceil(pixels / kMaxScrollUnits));
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, static_cast<int>(std::lround(pixels / m_scrollScale)));
    bar->setPageStep(std::max(1, static_cast<int>(PlotWidth() / m_scrollScale)));
    bar->setSingleStep(std::max(1, static_cast<int>(kScrollPixels / m_scrollScale)));
    bar->setValue(
        static_cast<int>(std::lround((m_fromMs - StartMs()) / m_msPerPixel / m_scrollScale)));
    const int rows = m_history ? static_cast<int>(m_history->RowCount()) : 0;
    verticalScrollBar()->setRange(0, std::max(0, rows - VisibleRows()));
    verticalScrollBar()->setPageStep(VisibleRows());
    m_settingScrollBars = false;
}

void CTimingDiagramView::scrollContentsBy(int dx, int dy) {
    static_cast<void>(dy);
    if (m_settingScrollBars) {
        return;
    }
    if (dx != 0) {
        // The user moved through time: following stops, and starts again at the end.
        const QScrollBar* bar = horizontalScrollBar();
        m_fitWhole = false;
        m_fromMs = StartMs() + bar->value() * m_scrollScale * m_msPerPixel;
        SetFollowing(bar->value() >= bar->maximum());
        emit RangeChanged();
    }
    viewport()->update();
}

void CTimingDiagramView::SetMsPerPixel(double msPerPixel) {
    m_fitWhole = false;
    m_msPerPixel = std::clamp(msPerPixel, kMinMsPerPixel, MaxMsPerPixel());
    ShowRange();
}

void CTimingDiagramView::ZoomBy(double factor, std::optional<double> anchorX) {
    double x = TimingDiagram::kPlotLeft + PlotWidth() / 2;
    if (anchorX) {
        x = std::clamp(*anchorX, TimingDiagram::kPlotLeft, TimingDiagram::kPlotLeft + PlotWidth());
    } else if (m_cursorMs && XOf(static_cast<double>(*m_cursorMs)) >= TimingDiagram::kPlotLeft &&
               XOf(static_cast<double>(*m_cursorMs)) <= TimingDiagram::kPlotLeft + PlotWidth()) {
        x = XOf(static_cast<double>(*m_cursorMs));
    } else if (m_following) {
        x = XOf(EndMs());
    }
    const double anchorMs = TimeAt(x);
    m_fitWhole = false;
    m_msPerPixel = std::clamp(m_msPerPixel / factor, kMinMsPerPixel, MaxMsPerPixel());
    m_fromMs = anchorMs - (x - TimingDiagram::kPlotLeft) * m_msPerPixel;
    ShowRange();
}

void CTimingDiagramView::FitAll() {
    const double span = EndMs() - StartMs();
    m_msPerPixel = span > 0 ? std::max(span / PlotWidth(), kMinMsPerPixel) : kDefaultMsPerPixel;
    m_fromMs = StartMs();
    m_fitWhole = true;
    ShowRange();
}

void CTimingDiagramView::ScrollTo(double fromMs) {
    m_fitWhole = false;
    m_fromMs = fromMs;
    SetFollowing(fromMs >= LastFromMs());
    ShowRange();
}

void CTimingDiagramView::SetFollowing(bool following) {
    following = following && m_live;
    if (following == m_following) {
        return;
    }
    m_following = following;
    ShowRange();
    emit FollowingChanged(m_following);
}

void CTimingDiagramView::SetCursorTime(std::optional<std::int64_t> timeMs) {
    m_cursorMs = timeMs;
    viewport()->update();
    emit CursorChanged();
}

QString CTimingDiagramView::CursorText() const {
    if (!m_cursorMs || !m_history) {
        return {};
    }
    QStringList values;
    for (std::size_t row = 0; row < m_history->RowCount(); ++row) {
        const std::optional<HistoryChange> at = m_history->ValueAt(row, *m_cursorMs);
        QString text = QString::fromStdString(m_history->RowAt(row).signal.name) +
                       QLatin1Char('=') + (at ? QString::number(at->value) : QStringLiteral("-"));
        if (at && at->forced) {
            text += tr(" (forced)");
        }
        values << text;
    }
    return tr("Cursor %1: %2")
        .arg(QString::fromStdString(TimingDiagram::TimeText(*m_cursorMs)),
             values.join(QStringLiteral("  ")));
}

TimingDiagram CTimingDiagramView::Diagram(bool allRows) const {
    static const SignalHistory kNothing;
    TimingDiagram diagram(m_history ? *m_history : kNothing);
    diagram.SetWidth(viewport()->width());
    if (OnGrid()) {
        diagram.SetGrid(m_msPerPixel, std::llround(m_fromMs / m_msPerPixel));
    } else {
        diagram.SetRange(m_fromMs, ToMs());
    }
    diagram.SetCursor(m_cursorMs);
    if (!allRows) {
        diagram.SetRows(static_cast<std::size_t>(verticalScrollBar()->value()),
                        static_cast<std::size_t>(VisibleRows()) + 1);
    }
    return diagram;
}

double CTimingDiagramView::XOf(double timeMs) const {
    return TimingDiagram::kPlotLeft + (timeMs - m_fromMs) / m_msPerPixel;
}

double CTimingDiagramView::TimeAt(double x) const {
    return m_fromMs + (x - TimingDiagram::kPlotLeft) * m_msPerPixel;
}

void CTimingDiagramView::paintEvent(QPaintEvent* event) {
    static_cast<void>(event);
    QPainter painter(viewport());
    if (!m_history || m_history->RowCount() == 0) {
        painter.fillRect(viewport()->rect(), Qt::white);
        DrawHint(painter);
        return;
    }
    TimingDiagram diagram = Diagram(false);
    const Language language = Messages::CurrentLanguage();
    diagram.SetLanguage(language);  // on screen only: exports stay Original
    diagram.SetTraceCache(&m_traceCache);
    const PictureKey key = KeyOf(diagram);
    const QSize size(static_cast<int>(std::ceil(diagram.Width())),
                     static_cast<int>(std::ceil(diagram.Height())));
    const std::optional<std::int64_t> column = m_shownColumn;
    m_shownColumn = OnGrid() ? std::optional(std::llround(diagram.FromMs() / diagram.MsPerPixel()))
                             : std::nullopt;
    const bool scrolledFar =
        column && m_shownColumn && (*m_shownColumn - *column) * 3 > RowsRect(diagram).width();
    if (!(key == m_pictureKey) && (scrolledFar || m_stepsShown < kFewSteps)) {
        // Followed on by much of the plot since the last repaint, or few steps in sight:
        // drawing it all costs less than drawing into the picture and copying that.
        m_pictureKey = {};
        m_frameKey = {};
        m_pictureColumn.reset();
        {
            CQtDiagramPainter diagramPainter(painter);
            diagramPainter.UseStamps(&m_stamps);
            diagram.SetTracesDrawn(&m_pictureTraces);
            diagram.Draw(diagramPainter);
        }
        CountSteps();
        FillBeside(painter, size);
        return;
    }
    const qreal ratio = viewport()->devicePixelRatioF();
    if (m_picture.size() != size * ratio || m_picture.devicePixelRatio() != ratio) {
        m_picture = QImage(size * ratio, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(ratio);
        m_pictureKey = {};
        m_frameKey = {};
        m_pictureColumn.reset();
    }
    if (!(key == m_pictureKey)) {
        DrawRows(diagram);
        CountSteps();
        m_pictureKey = key;
    }
    const FrameKey frameKey{key, m_cursorMs, language};
    if (!(frameKey == m_frameKey)) {
        std::vector<std::string> names = NamesOf(diagram);
        DrawFrame(diagram, names != m_frameNames || !(m_frameKey.rows.history == key.history &&
                                                      m_frameKey.language == language));
        m_frameKey = frameKey;
        m_frameNames = std::move(names);
    }
    // The frame around the rows, then the rows.
    const QRect rows = RowsRect(diagram);
    for (const QRect& part :
         {QRect(0, 0, size.width(), rows.top()), QRect(0, rows.top(), rows.left(), rows.height()),
          QRect(0, rows.bottom() + 1, size.width(), size.height() - rows.bottom() - 1)}) {
        DrawPart(painter, part.topLeft(), m_picture, QRect(part.topLeft(), part.size()));
    }
    DrawPart(painter, rows.topLeft(), m_rows, QRect(QPoint(m_rowsOffset, 0), rows.size()));
    painter.save();
    painter.setClipRect(RowsRect(diagram));
    {
        CQtDiagramPainter diagramPainter(painter);
        diagram.DrawCursor(diagramPainter);
    }
    painter.restore();
    FillBeside(painter, size);
}

void CTimingDiagramView::CountSteps() {
    m_stepsShown = 0;
    for (const DrawnTrace& trace : m_pictureTraces) {
        m_stepsShown += trace.steps.size();
    }
}

void CTimingDiagramView::FillBeside(QPainter& painter, QSize size) const {
    const int below = size.height();
    painter.fillRect(0, below, viewport()->width(), viewport()->height() - below, Qt::white);
    const int right = size.width();
    painter.fillRect(right, 0, viewport()->width() - right, below, Qt::white);
}

CTimingDiagramView::PictureKey CTimingDiagramView::KeyOf(const TimingDiagram& diagram) const {
    return {m_history,
            m_history ? m_history->Revision() : 0,
            diagram.FromMs(),
            diagram.ToMs(),
            diagram.MsPerPixel(),
            diagram.Width(),
            diagram.Height(),
            diagram.FirstRow(),
            viewport()->devicePixelRatioF()};
}

QRect CTimingDiagramView::RowsRect(const TimingDiagram& diagram) {
    const auto left = static_cast<int>(TimingDiagram::kPlotLeft);
    const auto top = static_cast<int>(TimingDiagram::kRulerHeight);
    const auto rows = static_cast<double>(diagram.ShownRows());
    return {left, top, static_cast<int>(std::ceil(diagram.Width())) - left,
            static_cast<int>(rows * TimingDiagram::kRowHeight)};
}

namespace {

// A step's pixels reach this far beside its columns (a bus crossing, a force's mark).
constexpr int kStepMargin = 6;

}  // namespace

std::vector<std::vector<std::pair<int, int>>> CTimingDiagramView::JoinedSpans(
    std::size_t rows, const std::vector<KeptSpan>& kept) {
    std::vector<std::vector<std::pair<int, int>>> joined(rows);
    for (const KeptSpan& span : kept) {
        joined[span.row].emplace_back(span.left, span.right);
    }
    for (std::vector<std::pair<int, int>>& spans : joined) {
        std::sort(spans.begin(), spans.end());
        std::vector<std::pair<int, int>> merged;
        for (const std::pair<int, int>& span : spans) {
            if (!merged.empty() && span.first <= merged.back().second) {
                merged.back().second = std::max(merged.back().second, span.second);
            } else {
                merged.push_back(span);
            }
        }
        spans = std::move(merged);
    }
    return joined;
}

void CTimingDiagramView::DrawRows(const TimingDiagram& diagram) {
    const QRect rowsRect = RowsRect(diagram);
    const qreal ratio = viewport()->devicePixelRatioF();
    // Twice the plot's width: a followed run scrolls on through it, and is moved back to its
    // start only when it reaches the end.
    const QSize size = QSize(2 * rowsRect.width(), rowsRect.height()) * ratio;
    if (m_rows.size() != size || m_rows.devicePixelRatio() != ratio) {
        m_rows = QImage(size, QImage::Format_RGB32);
        m_rows.setDevicePixelRatio(ratio);
        m_pictureColumn.reset();
    }
    const std::optional<std::int64_t> column =
        OnGrid() ? std::optional(std::llround(diagram.FromMs() / diagram.MsPerPixel()))
                 : std::nullopt;
    std::optional<std::vector<KeptSpan>> kept;
    if (column) {
        kept = KeptSpans(diagram, *column);
    }
    const std::int64_t before = m_rowsOrigin;
    if (!kept || *column - m_rowsOrigin + rowsRect.width() > 2 * rowsRect.width()) {
        m_rowsOrigin = column.value_or(0);
    }
    m_rowsOffset = static_cast<int>(column.value_or(0) - m_rowsOrigin);
    QRegion drawn(rowsRect);
    if (kept) {
        // The kept pixels moved to their new places (when the picture starts anew), the rest
        // drawn.
        const auto shift = static_cast<int>(m_rowsOrigin - before);
        const auto rowHeight = static_cast<int>(TimingDiagram::kRowHeight);
        const std::vector<std::vector<std::pair<int, int>>> joined =
            JoinedSpans(diagram.ShownRows(), *kept);
        for (std::size_t row = 0; row < joined.size(); ++row) {
            const int top = static_cast<int>(row) * rowHeight;
            for (const auto& [from, to] : joined[row]) {
                const int at = from - rowsRect.left() + m_rowsOffset;
                for (int y = top; shift != 0 && y < top + rowHeight; ++y) {
                    auto* line = reinterpret_cast<QRgb*>(m_rows.scanLine(y));
                    std::memmove(line + at, line + at + shift,
                                 static_cast<std::size_t>(to - from) * sizeof(QRgb));
                }
                drawn -= QRect(from, rowsRect.top() + top, to - from, rowHeight);
            }
        }
    }
    TimingDiagram rows = diagram;
    rows.SetCursor(std::nullopt);
    const std::vector<DrawnTrace> traces = std::move(m_pictureTraces);
    rows.SetTracesDrawn(&m_pictureTraces);
    {
        QPainter painter(&m_rows);
        painter.translate(m_rowsOffset - rowsRect.left(), -rowsRect.top());
        CQtDiagramPainter diagramPainter(painter);
        diagramPainter.UseStamps(&m_stamps);
        if (kept) {
            // (Drawn whole, the rows need no clip: what lies beside them falls outside the
            // picture or left of the part shown, which no later repaint keeps.)
            diagramPainter.ClipTo(drawn);
        }
        rows.Draw(diagramPainter);
    }
    if (kept && !KeptStepsDrawn(traces, m_pictureTraces, *kept, *column)) {
        // The history changed otherwise than by going on: all drawn anew.
        QPainter painter(&m_rows);
        painter.translate(m_rowsOffset - rowsRect.left(), -rowsRect.top());
        CQtDiagramPainter diagramPainter(painter);
        diagramPainter.UseStamps(&m_stamps);
        diagramPainter.ClipTo(rowsRect);
        rows.Draw(diagramPainter);
    }
    m_pictureColumn = column;
    m_pictureSignals.clear();
    for (std::size_t i = 0; i < diagram.ShownRows(); ++i) {
        m_pictureSignals.push_back(m_history->RowAt(diagram.FirstRow() + i).signal.name);
    }
}

std::optional<std::vector<CTimingDiagramView::KeptSpan>> CTimingDiagramView::KeptSpans(
    const TimingDiagram& diagram, std::int64_t column) const {
    const PictureKey key = KeyOf(diagram);
    const PictureKey& before = m_pictureKey;
    const QRect rowsRect = RowsRect(diagram);
    if (!m_pictureColumn || *m_pictureColumn > column ||
        column - *m_pictureColumn >= rowsRect.width() || before.history != key.history ||
        before.msPerPixel != key.msPerPixel || before.width != key.width ||
        before.height != key.height || before.firstRow != key.firstRow || key.pixelRatio != 1 ||
        m_pictureTraces.size() != diagram.ShownRows() ||
        m_pictureSignals.size() != diagram.ShownRows()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < diagram.ShownRows(); ++i) {
        if (m_pictureSignals[i] != m_history->RowAt(diagram.FirstRow() + i).signal.name) {
            return std::nullopt;
        }
    }
    const std::int64_t left = rowsRect.left();
    const auto xOf = [&](std::int64_t at) { return static_cast<int>(left + at - column); };
    std::vector<KeptSpan> kept;
    for (std::size_t row = 0; row < diagram.ShownRows(); ++row) {
        const DrawnTrace& trace = m_pictureTraces[row];
        const std::vector<TraceChain>& steps = trace.steps;
        const auto inSight = static_cast<std::size_t>(
            std::find_if(steps.begin(), steps.end(),
                         [&](const TraceChain& step) { return step.last > column; }) -
            steps.begin());
        // The inside of a dense step stays while one goes on over it (the last may grow, the
        // first be cut by the left edge).
        for (std::size_t i = inSight; i < steps.size(); ++i) {
            const std::int64_t firstColumn = std::max(steps[i].first, column + 1);
            const int from = xOf(firstColumn) + kStepMargin;
            const int to = xOf(steps[i].last) + 1 - kStepMargin;
            if (steps[i].dense && from < to) {
                kept.push_back({row, from, to, KeptSpan::Kind::kInside, i, i, firstColumn, 0, {}});
            }
        }
        // The steps wholly in sight stay as they were, but for the last, which may grow (from its
        // first column on): so do the pixels between them.
        std::size_t first = inSight;
        while (first < steps.size() && steps[first].first <= column) {
            ++first;
        }
        if (first + 1 < steps.size()) {
            const std::size_t last = steps.size() - 1;
            const int from = xOf(steps[first].last) + 1 + kStepMargin;
            const int to = xOf(steps[last].first) - kStepMargin;
            if (from < to) {
                kept.push_back({row, from, to, KeptSpan::Kind::kBetween, first, last, 0, 0, {}});
            }
        }
        if (m_history->RowAt(diagram.FirstRow() + row).signal.IsBit()) {
            LevelSpans(row, trace, column, kept);
        }
    }
    return kept;
}

void CTimingDiagramView::LevelSpans(std::size_t row, const DrawnTrace& trace, std::int64_t column,
                                    std::vector<KeptSpan>& kept) const {
    // A bit's row shows its level alone away from its steps and ends: where no step was drawn
    // nor is, at the same value, it stays.
    if (trace.endX <= trace.startX) {
        return;
    }
    const auto left = static_cast<std::int64_t>(TimingDiagram::kPlotLeft);
    const std::int64_t before = *m_pictureColumn;
    // The column of an x of the picture's drawing.
    const auto columnOf = [&](double x) {
        return static_cast<std::int64_t>(std::floor(x)) - left + before;
    };
    const auto add = [&](std::int64_t first, std::int64_t last, const HistoryChange& value) {
        first = std::max(first + kStepMargin, column + kStepMargin);
        last -= kStepMargin;
        if (first < last) {
            kept.push_back({row, static_cast<int>(left + first - column),
                            static_cast<int>(left + last - column) + 1, KeptSpan::Kind::kLevel, 0,
                            0, first, last, value});
        }
    };
    std::int64_t from = columnOf(trace.startX) + 1;
    HistoryChange value = trace.first;
    for (const TraceChain& step : trace.steps) {
        add(from, step.first - 1, value);
        from = step.last + 1;
        value = step.after;
    }
    add(from, columnOf(trace.endX) - 1, value);
}

bool CTimingDiagramView::KeptStepsDrawn(const std::vector<DrawnTrace>& before,
                                        const std::vector<DrawnTrace>& drawn,
                                        const std::vector<KeptSpan>& kept, std::int64_t column) {
    for (const KeptSpan& span : kept) {
        const DrawnTrace& trace = drawn[span.row];
        const std::vector<TraceChain>& is = trace.steps;
        if (span.kind == KeptSpan::Kind::kLevel) {
            // No step beside the level, the same value at it, the trace around it.
            const auto left = static_cast<std::int64_t>(TimingDiagram::kPlotLeft);
            const auto xOf = [&](std::int64_t at) {
                return static_cast<double>(left + at - column);
            };
            const auto after = std::find_if(is.begin(), is.end(), [&](const TraceChain& step) {
                return step.last >= span.firstColumn - kStepMargin;
            });
            const bool clear = after == is.end() || after->first > span.lastColumn + kStepMargin;
            const HistoryChange& value = after == is.begin() ? trace.first : (after - 1)->after;
            if (!clear || !(value == span.value) ||
                trace.startX > xOf(span.firstColumn - kStepMargin) ||
                trace.endX < xOf(span.lastColumn + kStepMargin + 1)) {
                return false;
            }
            continue;
        }
        const std::vector<TraceChain>& was = before[span.row].steps;
        if (span.kind == KeptSpan::Kind::kInside) {
            const TraceChain& step = was[span.from];
            const auto over = std::find_if(
                is.begin(), is.end(), [&](const TraceChain& now) { return now.last >= step.last; });
            if (over == is.end() || !over->dense || over->first > span.firstColumn ||
                over->after.forced != step.after.forced) {
                return false;
            }
            continue;
        }
        // Steps from up to to drawn again in a row, the last from the same column.
        const auto keptFrom = was.begin() + static_cast<std::ptrdiff_t>(span.from);
        const auto keptTo = was.begin() + static_cast<std::ptrdiff_t>(span.to);
        const auto at = std::find(is.begin(), is.end(), *keptFrom);
        if (is.end() - at <= keptTo - keptFrom || !std::equal(keptFrom, keptTo, at) ||
            at[keptTo - keptFrom].first != keptTo->first) {
            return false;
        }
    }
    return true;
}

void CTimingDiagramView::DrawPart(QPainter& painter, QPoint at, const QImage& image,
                                  const QRect& part) {
    const qreal ratio = image.devicePixelRatio();
    if (ratio == 1) {
        painter.drawImage(at, image, part);  // copied as it is
    } else {
        painter.drawImage(QRectF(at, part.size()), image,
                          QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
    }
}

std::vector<std::string> CTimingDiagramView::NamesOf(const TimingDiagram& diagram) const {
    std::vector<std::string> names{std::to_string(diagram.FirstRow())};
    for (std::size_t i = 0; i < diagram.ShownRows(); ++i) {
        const SignalHistory::Row& row = m_history->RowAt(diagram.FirstRow() + i);
        names.push_back(row.signal.name + '\n' + row.note);
    }
    return names;
}

void CTimingDiagramView::DrawFrame(const TimingDiagram& diagram, bool names) {
    QPainter painter(&m_picture);
    CQtDiagramPainter diagramPainter(painter);
    diagramPainter.UseStamps(&m_stamps);
    const QRect whole(0, 0, static_cast<int>(std::ceil(diagram.Width())),
                      static_cast<int>(std::ceil(diagram.Height())));
    QRegion drawn = QRegion(whole).subtracted(RowsRect(diagram));
    if (!names) {
        const QRect rows = RowsRect(diagram);
        drawn -= QRect(0, rows.top(), static_cast<int>(TimingDiagram::kNameWidth), rows.height());
    }
    diagramPainter.ClipTo(drawn);
    TimingDiagram frame = diagram;
    frame.SetTracesShown(false);
    frame.Draw(diagramPainter);
}

void CTimingDiagramView::DrawHint(QPainter& painter) const {
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const QString hint = m_live ? tr("No signals watched. Add addresses in the Signals window "
                                     "(Simulation > Signals) and start the simulation (F5); "
                                     "File > Open Trace... shows a recorded run.")
                                : tr("The trace holds no signals.");
    painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, hint);
}

void CTimingDiagramView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (m_fitWhole) {
        FitAll();
        return;
    }
    m_msPerPixel = std::clamp(m_msPerPixel, kMinMsPerPixel, MaxMsPerPixel());
    ShowRange();
}

void CTimingDiagramView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    ShowRange();  // the history went on while hidden
}

void CTimingDiagramView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        ZoomBy(std::pow(kZoomStep, delta.y() / kWheelStep), event->position().x());
        event->accept();
        return;
    }
    const bool rowsHidden = verticalScrollBar()->maximum() > 0;
    if (delta.x() != 0 || (event->modifiers() & Qt::ShiftModifier) || !rowsHidden) {
        const int steps = delta.x() != 0 ? delta.x() : delta.y();
        ScrollTo(m_fromMs - steps / kWheelStep * kScrollPixels * m_msPerPixel);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void CTimingDiagramView::PlaceCursor(double x) {
    const double timeMs = std::clamp(TimeAt(x), StartMs(), EndMs());
    SetCursorTime(static_cast<std::int64_t>(std::llround(timeMs)));
}

void CTimingDiagramView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_history) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPointF at = event->position();
    if (at.x() >= TimingDiagram::kPlotLeft) {
        PlaceCursor(at.x());
    } else if (at.x() < TimingDiagram::kNameWidth) {
        if (const std::optional<std::size_t> row = Diagram(false).RowAt(at.y())) {
            emit SignalNameClicked(QString::fromStdString(m_history->RowAt(*row).signal.name));
        }
    }
    event->accept();
}

void CTimingDiagramView::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && m_history &&
        event->position().x() >= TimingDiagram::kPlotLeft) {
        PlaceCursor(event->position().x());
    }
    event->accept();
}

void CTimingDiagramView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void CTimingDiagramView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ZoomIn();
            break;
        case Qt::Key_Minus:
            ZoomOut();
            break;
        case Qt::Key_0:
            FitAll();
            break;
        case Qt::Key_Left:
            ScrollTo(m_fromMs - kScrollPixels * m_msPerPixel);
            break;
        case Qt::Key_Right:
            ScrollTo(m_fromMs + kScrollPixels * m_msPerPixel);
            break;
        case Qt::Key_Home:
            ScrollTo(StartMs());
            break;
        case Qt::Key_End:
            ScrollTo(LastFromMs());
            break;
        case Qt::Key_Escape:
            SetCursorTime(std::nullopt);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

}  // namespace rungpad
