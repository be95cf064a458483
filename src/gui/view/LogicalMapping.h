#pragma once

#include <QPoint>
#include <QRect>

#include "view/GridGeometry.h"

class QPaintDevice;

namespace rungpad {

// Maps logical units (0.01 inch, y up) to the pixels of a paint device and back, by the device's
// logical resolution, with the scrolled-away part of the surface given in device pixels.
class LogicalMapping {
  public:
    static constexpr double kUnitsPerInch = 100.0;

    LogicalMapping(double dpiX, double dpiY, QPoint scroll = {});
    // The resolution of device (the screen's logical DPI for a widget, the printer's for paper).
    static LogicalMapping ForDevice(const QPaintDevice& device, QPoint scroll = {});

    double ScaleX() const { return m_scaleX; }
    double ScaleY() const { return m_scaleY; }
    QPoint Scroll() const { return m_scroll; }

    int ToDeviceX(int x) const;
    int ToDeviceY(int y) const;
    QPoint ToDevice(LogicalPoint p) const { return {ToDeviceX(p.x), ToDeviceY(p.y)}; }
    // The device pixels covered by r: left and top edges included, right and bottom excluded.
    QRect ToDevice(const LogicalRect& r) const;
    int WidthToDevice(int units) const;
    int HeightToDevice(int units) const;

    LogicalPoint ToLogical(QPoint device) const;
    // The logical band of y covered by a device rectangle, for choosing what to paint.
    void VerticalBand(const QRect& device, int& top, int& bottom) const;

  private:
    double m_scaleX;
    double m_scaleY;
    QPoint m_scroll;
};

}  // namespace rungpad
