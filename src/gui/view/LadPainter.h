#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>
#include <array>
#include <initializer_list>

#include "view/GridGeometry.h"
#include "view/LogicalMapping.h"

class QPainter;

namespace rungpad {

class ViewFonts;

// The drawing surface of the ladder grid: a QPainter addressed in logical units (0.01 inch, y up)
// with the pens, brush and fonts the grid uses. Coordinates are rounded to whole device pixels so
// thin lines stay sharp.
class LadPainter {
  public:
    enum class FontRole { Element, Note };

    LadPainter(QPainter& painter, const LogicalMapping& mapping, const ViewFonts& fonts);

    const LogicalMapping& Mapping() const { return m_mapping; }

    // Whether the device inverts pixels itself (raster devices); printers and PDF do not, and a
    // highlight is then drawn afterwards as white ink on a black cell instead.
    bool CanInvert() const { return m_canInvert; }
    void SetCanInvert(bool on) { m_canInvert = on; }

    void UseRailPen();
    void UseDefaultPen();
    // White lines, text and fills over black, for a highlight on a device that cannot invert.
    void SetInverseInk(bool on);

    // Limits drawing to r (within any clip already set) until EndClip.
    void BeginClip(const LogicalRect& r);
    void EndClip();

    void Line(LogicalPoint a, LogicalPoint b);
    void Polyline(std::initializer_list<LogicalPoint> points);
    // An ellipse in r, filled with the current brush so it hides what lies behind it.
    void Ellipse(const LogicalRect& r);
    void FillBlack(const LogicalRect& r);
    void Fill(const LogicalRect& r, const QColor& color);
    void InvertRect(const LogicalRect& r);
    void Text(LogicalPoint topLeft, const QString& text, FontRole role);

  private:
    QPainter& m_painter;
    LogicalMapping m_mapping;
    std::array<QFont, 2> m_fonts;
    std::array<int, 2> m_ascents{};
    QPen m_defaultPen;
    QPen m_railPen;
    bool m_inverse = false;
    bool m_railPenOn = false;
    int m_fontSlot = -1;
    bool m_canInvert;
};

}  // namespace rungpad
