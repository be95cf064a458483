#include "view/LogicalMapping.h"

#include <QPaintDevice>
#include <cmath>

namespace rungpad {

LogicalMapping::LogicalMapping(double dpiX, double dpiY, QPoint scroll)
    : m_scaleX((dpiX > 0 ? dpiX : 96.0) / kUnitsPerInch),
      m_scaleY((dpiY > 0 ? dpiY : 96.0) / kUnitsPerInch),
      m_scroll(scroll) {}

LogicalMapping LogicalMapping::ForDevice(const QPaintDevice& device, QPoint scroll) {
    return {static_cast<double>(device.logicalDpiX()), static_cast<double>(device.logicalDpiY()),
            scroll};
}

int LogicalMapping::ToDeviceX(int x) const {
    return static_cast<int>(std::lround(x * m_scaleX)) - m_scroll.x();
}

int LogicalMapping::ToDeviceY(int y) const {
    return static_cast<int>(std::lround(-y * m_scaleY)) - m_scroll.y();
}

QRect LogicalMapping::ToDevice(const LogicalRect& r) const {
    const QPoint a = ToDevice(LogicalPoint{r.left, r.top});
    const QPoint b = ToDevice(LogicalPoint{r.right, r.bottom});
    return QRect(a, b - QPoint(1, 1)).normalized();
}

int LogicalMapping::WidthToDevice(int units) const {
    return static_cast<int>(std::lround(units * m_scaleX));
}

int LogicalMapping::HeightToDevice(int units) const {
    return static_cast<int>(std::lround(units * m_scaleY));
}

LogicalPoint LogicalMapping::ToLogical(QPoint device) const {
    const double x = (device.x() + m_scroll.x()) / m_scaleX;
    const double y = (device.y() + m_scroll.y()) / m_scaleY;
    return {static_cast<int>(std::lround(x)), -static_cast<int>(std::lround(y))};
}

void LogicalMapping::VerticalBand(const QRect& device, int& top, int& bottom) const {
    // Round outwards so a partly exposed line is never missed.
    top = -static_cast<int>(std::floor((device.top() + m_scroll.y()) / m_scaleY));
    bottom = -static_cast<int>(std::ceil((device.bottom() + 1 + m_scroll.y()) / m_scaleY));
}

}  // namespace rungpad
