#include "shell/monitor/TimingDiagramView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

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
    m_shownKey = {};
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
    if (!(key == m_shownKey)) {
        // Rows not shown before (a run followed on, a zoom, a scroll): drawn straight into the
        // window, which costs less than drawing a picture of them and copying that.
        m_shownKey = key;
        {
            CQtDiagramPainter diagramPainter(painter);
            diagramPainter.UseStamps(&m_stamps, &m_lineStamps);
            diagram.Draw(diagramPainter);
        }
        FillBeside(painter, size);
        return;
    }
    // The same rows again (a cursor dragged, the window uncovered): copied from a picture.
    const qreal ratio = viewport()->devicePixelRatioF();
    if (m_picture.size() != size * ratio || m_picture.devicePixelRatio() != ratio) {
        m_picture = QImage(size * ratio, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(ratio);
        m_pictureKey = {};
        m_frameKey = {};
    }
    if (!(key == m_pictureKey)) {
        DrawRows(diagram);
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
    painter.drawImage(QPoint(0, 0), m_picture);  // at its device pixel ratio
    painter.save();
    painter.setClipRect(RowsRect(diagram));
    {
        CQtDiagramPainter diagramPainter(painter);
        diagram.DrawCursor(diagramPainter);
    }
    painter.restore();
    FillBeside(painter, size);
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

void CTimingDiagramView::DrawRows(const TimingDiagram& diagram) {
    QPainter painter(&m_picture);
    CQtDiagramPainter diagramPainter(painter);
    diagramPainter.UseStamps(&m_stamps, &m_lineStamps);
    diagramPainter.ClipTo(RowsRect(diagram));
    TimingDiagram rows = diagram;
    rows.SetCursor(std::nullopt);
    rows.Draw(diagramPainter);
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
    diagramPainter.UseStamps(&m_stamps, &m_lineStamps);
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
