#include "shell/monitor/QtDiagramPainter.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace rungpad {

namespace {

constexpr char kFirstPrintable = ' ';
constexpr char kLastPrintable = '~';

// The pixel that holds a coordinate (std::floor without a library call: a trace has thousands).
int PixelOf(double coordinate) {
    const auto whole = static_cast<int>(coordinate);
    return static_cast<double>(whole) > coordinate ? whole - 1 : whole;
}

QColor ToQColor(DiagramColor color) {
    return {color.red, color.green, color.blue};
}

}  // namespace

CQtDiagramPainter::CQtDiagramPainter(QPainter& painter)
    : m_painter(painter),
      m_metrics(DiagramFont(), painter.device()),
      m_glyphs(QRawFont::fromFont(DiagramFont())) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setFont(DiagramFont());
    QString printable;
    for (char c = kFirstPrintable; c <= kLastPrintable; ++c) {
        printable += QLatin1Char(c);
    }
    const QList<quint32> indexes = m_glyphs.glyphIndexesForString(printable);
    if (!m_glyphs.isValid() || indexes.size() != printable.size() || indexes.contains(0)) {
        m_glyphs = QRawFont();
        return;
    }
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        m_glyphIndex[static_cast<std::size_t>(kFirstPrintable + i)] = indexes[i];
    }
    m_advance = m_glyphs.advancesForGlyphIndexes(QList<quint32>{indexes.front()}).front().x();
}

CQtDiagramPainter::~CQtDiagramPainter() {
    DrawHeldRects();
    DrawHeldTexts();
}

void CQtDiagramPainter::EndGroup() {
    DrawHeldRects();
    DrawHeldTexts();
}

QFont CQtDiagramPainter::DiagramFont() {
    // DejaVu Sans Mono advances 7.2 pixels a character at 12 pixels, as the diagram measures.
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(static_cast<int>(kFontPixels));
    return font;
}

void CQtDiagramPainter::FillRect(double x, double y, double width, double height,
                                 DiagramColor color) {
    if (!m_heldRects.isEmpty() && !(color == m_heldRectColor)) {
        DrawHeldRects();
    }
    m_heldRectColor = color;
    // The pixels QPainter::fillRect covers without smoothing: the corners rounded.
    const int left = qRound(x);
    const int top = qRound(y);
    const int right = qRound(x + width);
    const int bottom = qRound(y + height);
    if (right > left && bottom > top) {
        m_heldRects.append(QRect(left, top, right - left, bottom - top));
    }
}

void CQtDiagramPainter::DrawHeldRects() {
    if (m_heldRects.isEmpty()) {
        return;
    }
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ToQColor(m_heldRectColor));
    m_painter.drawRects(m_heldRects.constData(), static_cast<int>(m_heldRects.size()));
    m_painter.setBrush(Qt::NoBrush);
    m_heldRects.clear();
}

void CQtDiagramPainter::Polyline(std::span<const DiagramPoint> points, DiagramColor color) {
    if (points.size() < 2) {
        return;
    }
    DrawHeldRects();  // beneath the lines
    // Level and upright segments (nearly all of a trace) are filled as the pixel runs a
    // one-pixel line covers, a batch at a time: stroking them one by one costs more than the
    // rest of the diagram. Slanted ones (bus crossings) are stroked.
    m_runs.clear();
    m_slanted.clear();
    for (std::size_t i = 1; i < points.size(); ++i) {
        const DiagramPoint& from = points[i - 1];
        const DiagramPoint& to = points[i];
        if (from.y == to.y || from.x == to.x) {
            const int left = PixelOf(std::min(from.x, to.x));
            const int top = PixelOf(std::min(from.y, to.y));
            const int right = PixelOf(std::max(from.x, to.x));
            const int bottom = PixelOf(std::max(from.y, to.y));
            m_runs.append(QRect(left, top, right - left + 1, bottom - top + 1));
        } else {
            m_slanted.append(QLineF(from.x, from.y, to.x, to.y));
        }
    }
    const QColor shown = ToQColor(color);
    if (!m_runs.isEmpty()) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(shown);
        m_painter.drawRects(m_runs.constData(), static_cast<int>(m_runs.size()));
        m_painter.setBrush(Qt::NoBrush);
    }
    if (!m_slanted.isEmpty()) {
        m_painter.setPen(QPen(shown, 0));
        m_painter.drawLines(m_slanted.constData(), static_cast<int>(m_slanted.size()));
    }
}

void CQtDiagramPainter::Text(double x, double y, std::string_view text, DiagramColor color,
                             Align align) {
    if (DrawAscii(x, y, text, color, align)) {
        return;
    }
    DrawHeldRects();
    DrawHeldTexts();  // in the order they came
    m_painter.setPen(ToQColor(color));
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    double left = x;
    if (align != Align::kLeft) {
        const double width = m_metrics.horizontalAdvance(shown);
        left -= align == Align::kCenter ? width / 2 : width;
    }
    m_painter.drawText(QPointF(left, y), shown);
}

bool CQtDiagramPainter::DrawAscii(double x, double y, std::string_view text, DiagramColor color,
                                  Align align) {
    const bool printable = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= kFirstPrintable && c <= kLastPrintable;
    });
    if (!m_glyphs.isValid() || !printable || text.empty()) {
        return false;
    }
    const double width = static_cast<double>(text.size()) * m_advance;
    const double left =
        align == Align::kLeft ? x : (align == Align::kCenter ? x - width / 2 : x - width);
    auto held = std::find_if(m_held.begin(), m_held.end(),
                             [color](const HeldTexts& texts) { return texts.color == color; });
    if (held == m_held.end()) {
        held = m_held.insert(m_held.end(), HeldTexts{color, {}, {}});
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        held->glyphs.append(m_glyphIndex[static_cast<unsigned char>(text[i])]);
        held->positions.append({left + static_cast<double>(i) * m_advance, y});
    }
    return true;
}

void CQtDiagramPainter::DrawHeldTexts() {
    for (const HeldTexts& texts : m_held) {
        QGlyphRun run;
        run.setRawFont(m_glyphs);
        run.setGlyphIndexes(texts.glyphs);
        run.setPositions(texts.positions);
        m_painter.setPen(ToQColor(texts.color));
        m_painter.drawGlyphRun(QPointF(0, 0), run);
    }
    m_held.clear();
}

}  // namespace rungpad
