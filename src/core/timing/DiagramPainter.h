#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace rungpad {

struct DiagramColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const DiagramColor&, const DiagramColor&) = default;
};

struct DiagramPoint {
    double x = 0;
    double y = 0;
};

// What the timing diagram draws with, in pixels, y down: filled rectangles, lines and one-line
// texts of the diagram's fixed-pitch font. The editor paints through Qt, the command line writes
// SVG; both get the same calls, so they show the same picture.
class DiagramPainter {
  public:
    enum class Align { kLeft, kCenter, kRight };

    // The size of the diagram's font (pixels) and the advance of one character of it.
    static constexpr double kFontPixels = 12;
    static constexpr double kCharWidth = 7.2;

    virtual ~DiagramPainter() = default;

    // Parts of the drawing, named (a signal's row, the ruler); a painter may ignore them.
    virtual void BeginGroup(std::string_view name) { (void)name; }
    virtual void EndGroup() {}
    virtual void FillRect(double x, double y, double width, double height, DiagramColor color) = 0;
    // Connected line segments through points.
    virtual void Polyline(std::span<const DiagramPoint> points, DiagramColor color) = 0;
    // A UTF-8 text with its baseline at y, starting, centred or ending at x.
    virtual void Text(double x, double y, std::string_view text, DiagramColor color,
                      Align align) = 0;
};

}  // namespace rungpad
