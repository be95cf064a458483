#include "view/LadPainter.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "view/ViewFonts.h"

namespace rungpad {

namespace {

constexpr int kRailWidth = 2;  // logical units

QFont ScaledFont(const QFont& font, int logicalSize, const LogicalMapping& mapping) {
    QFont scaled = font;
    scaled.setPixelSize(std::max(1, mapping.HeightToDevice(logicalSize)));
    return scaled;
}

std::size_t Slot(LadPainter::FontRole role) {
    return role == LadPainter::FontRole::Note ? 1 : 0;
}

}  // namespace

LadPainter::LadPainter(QPainter& painter, const LogicalMapping& mapping, const ViewFonts& fonts)
    : m_painter(painter),
      m_mapping(mapping),
      m_fonts{ScaledFont(fonts.ElementFont(), fonts.ElementSize(), mapping),
              ScaledFont(fonts.NoteFont(), fonts.NoteSize(), mapping)},
      m_defaultPen(Qt::black, 0),
      m_railPen(Qt::black, std::max(1, mapping.WidthToDevice(kRailWidth)), Qt::SolidLine,
                Qt::FlatCap),
      // Only the raster engine really inverts; PDF and printer engines claim raster operations
      // but would paint the cell black.
      m_canInvert(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster) {
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        m_ascents[i] = QFontMetrics(m_fonts[i], painter.device()).ascent();
    }
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(m_defaultPen);
    m_painter.setBrush(Qt::white);
}

void LadPainter::UseRailPen() {
    m_railPenOn = true;
    QPen pen = m_railPen;
    pen.setColor(m_inverse ? Qt::white : Qt::black);
    m_painter.setPen(pen);
}

void LadPainter::UseDefaultPen() {
    m_railPenOn = false;
    QPen pen = m_defaultPen;
    pen.setColor(m_inverse ? Qt::white : Qt::black);
    m_painter.setPen(pen);
}

void LadPainter::SetInverseInk(bool on) {
    m_inverse = on;
    m_painter.setBrush(on ? Qt::black : Qt::white);
    if (m_railPenOn) {
        UseRailPen();
    } else {
        UseDefaultPen();
    }
}

void LadPainter::BeginClip(const LogicalRect& r) {
    m_painter.save();
    m_painter.setClipRect(m_mapping.ToDevice(r), Qt::IntersectClip);
}

void LadPainter::EndClip() {
    m_painter.restore();
    // restore() brought back the pen, brush and font of BeginClip's time.
    m_fontSlot = -1;
    m_inverse = false;
    m_painter.setBrush(Qt::white);
    if (m_railPenOn) {
        UseRailPen();
    } else {
        UseDefaultPen();
    }
}

void LadPainter::Line(LogicalPoint a, LogicalPoint b) {
    m_painter.drawLine(m_mapping.ToDevice(a), m_mapping.ToDevice(b));
}

void LadPainter::Polyline(std::initializer_list<LogicalPoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const LogicalPoint& p : points) {
        polygon.append(m_mapping.ToDevice(p));
    }
    m_painter.drawPolyline(polygon);
}

void LadPainter::Ellipse(const LogicalRect& r) {
    m_painter.drawEllipse(m_mapping.ToDevice(r));
}

void LadPainter::FillBlack(const LogicalRect& r) {
    m_painter.fillRect(m_mapping.ToDevice(r), Qt::black);
}

void LadPainter::Fill(const LogicalRect& r, const QColor& color) {
    m_painter.fillRect(m_mapping.ToDevice(r), color);
}

void LadPainter::InvertRect(const LogicalRect& r) {
    const QPainter::CompositionMode mode = m_painter.compositionMode();
    m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    m_painter.fillRect(m_mapping.ToDevice(r), Qt::black);
    m_painter.setCompositionMode(mode);
}

void LadPainter::Text(LogicalPoint topLeft, const QString& text, FontRole role) {
    if (text.isEmpty()) {
        return;
    }
    const std::size_t slot = Slot(role);
    if (m_fontSlot != static_cast<int>(slot)) {
        m_painter.setFont(m_fonts[slot]);
        m_fontSlot = static_cast<int>(slot);
    }
    const QPoint at = m_mapping.ToDevice(topLeft);
    m_painter.drawText(QPoint(at.x(), at.y() + m_ascents[slot]), text);
}

}  // namespace rungpad
