#pragma once

#include <QFont>
#include <QFontMetricsF>

#include "timing/DiagramPainter.h"

class QPainter;

namespace rungpad {

// The timing diagram's painter on a QPainter (the dock, its PNG images): the same calls as the
// SVG painter, in the fixed-pitch font the diagram measures its texts with. Lines are one pixel
// wide and not smoothed, as the diagram puts them on pixel centres.
class CQtDiagramPainter : public DiagramPainter {
  public:
    explicit CQtDiagramPainter(QPainter& painter);

    void FillRect(double x, double y, double width, double height, DiagramColor color) override;
    void Polyline(std::span<const DiagramPoint> points, DiagramColor color) override;
    void Text(double x, double y, std::string_view text, DiagramColor color, Align align) override;

    // The font the diagram's texts are drawn in.
    static QFont DiagramFont();

  private:
    QPainter& m_painter;
    QFontMetricsF m_metrics;
};

}  // namespace rungpad
