#include "shell/monitor/QtDiagramPainter.h"

#include <QPainter>
#include <QPolygonF>

namespace rungpad {

namespace {

QColor ToQColor(DiagramColor color) {
    return {color.red, color.green, color.blue};
}

}  // namespace

CQtDiagramPainter::CQtDiagramPainter(QPainter& painter)
    : m_painter(painter), m_metrics(DiagramFont(), painter.device()) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setFont(DiagramFont());
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
    m_painter.fillRect(QRectF(x, y, width, height), ToQColor(color));
}

void CQtDiagramPainter::Polyline(std::span<const DiagramPoint> points, DiagramColor color) {
    if (points.size() < 2) {
        return;
    }
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const DiagramPoint& point : points) {
        polygon.append({point.x, point.y});
    }
    m_painter.setPen(QPen(ToQColor(color), 0));
    m_painter.drawPolyline(polygon);
}

void CQtDiagramPainter::Text(double x, double y, std::string_view text, DiagramColor color,
                             Align align) {
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    double left = x;
    if (align != Align::kLeft) {
        const double width = m_metrics.horizontalAdvance(shown);
        left -= align == Align::kCenter ? width / 2 : width;
    }
    m_painter.setPen(ToQColor(color));
    m_painter.drawText(QPointF(left, y), shown);
}

}  // namespace rungpad
